#pragma once
// Which data lines of the port reach which device of the plant: the
// simulator's own wiring, fixed like the cables of a real rig. A controller
// whose pin menus disagree with it drives lines that nothing listens to.
#include <array>
#include <cstdint>

namespace kolvar::sim {

// The seven output functions, in the order of the controller's pin menus.
enum class Output {
  ValveStart,     // take-off valve: open
  ValveStop,      // take-off valve: close
  SystemStop,     // the stop relay that cuts the heater
  LiftUp,         // lift drive, up
  LiftDown,       // lift drive, down
  CoilCooling,    // water valve of the product cooler's coil
  WorkingSignal,  // constant or pulsing "controller alive" line
};
inline constexpr int kOutputs = 7;

struct Wiring {
  // For each output, a mask of data bits; bit k is connector pin k + 2.
  std::array<std::uint8_t, kOutputs> lines{};

  // Adds connector pin `pin` (2 to 9) to the output's lines.
  void connect(Output output, int pin);
  // Disconnects the output from every line.
  void clear(Output output);
  std::uint8_t mask(Output output) const { return lines[static_cast<int>(output)]; }
  // Whether any of the output's lines is high in the byte.
  bool raised(Output output, std::uint8_t byte) const { return (mask(output) & byte) != 0; }
};

// The functions on connector pins 2 to 8 in menu order (valve start on pin
// 2, ..., working signal on pin 8); pin 9 is free.
Wiring default_wiring();

}  // namespace kolvar::sim
