#pragma once
// Which GPIO lines stand for the eight data pins of the port image: the chip,
// one line offset per pin (or none) and the relay board's polarity.
//
// On the command line (and in a port file's `lines` field):
//
//   gpio:CHIP:L2,L3,L4,L5,L6,L7,L8,L9[:active-low]
//
// CHIP is a chip's name (gpiochip0) or its device path (/dev/gpiochip0). Ln is
// the line offset for data pin n, or '-' (or nothing) for a pin left
// unmapped; pins after the last one given are unmapped too. Two pins may not
// share a line, since they could then ask for different levels at once.
//
// The port file, kolvar-port.conf in the working folder, holds the same fields:
//
//   # relay board on the GPIO header
//   chip gpiochip0
//   lines 17,27,22,23,24,25,5,6
//   polarity active-low
//
// One field a line, its name and value separated by blanks; '#' starts a
// comment; blank lines are ignored. `chip` and `lines` are required,
// `polarity` (active-high or active-low) defaults to active-high.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::platform {

inline constexpr int kGpioPins = 8;
inline constexpr std::string_view kPortFileName = "kolvar-port.conf";

struct GpioMap {
  std::string chip;
  // line[k]: the line offset for data pin k+2 (bit k of the byte), if mapped.
  std::array<std::optional<unsigned>, kGpioPins> line;
  // A high pin in the image drives its line low (most relay boards).
  bool active_low = false;

  bool operator==(const GpioMap&) const = default;

  // The mapped lines' offsets, pin 2 first, unmapped pins skipped.
  std::vector<unsigned> offsets() const;
  // The level each mapped line gets for a byte, in the order of offsets():
  // its pin's bit, inverted on an active-low board.
  std::vector<int> levels(std::uint8_t byte) const;
  // The command line's form of the map: "gpio:gpiochip0:17,27,-,...".
  std::string port_text() const;
};

// Parses a --port value; throws std::invalid_argument saying what is wrong.
GpioMap parse_gpio_port(std::string_view text_form);

// Parses the text of a port file; throws std::invalid_argument naming the
// line of the first mistake.
GpioMap parse_port_file(std::string_view text);

}  // namespace kolvar::platform
