#pragma once
// The devices on the port's lines, as the wiring connects them:
// - the take-off valve, a motorised valve that an open line drives open and a
//   close line drives shut and that stays where it is with neither (with no
//   close line wired it is a plain solenoid valve, open while its line is high);
// - the lift, which travels at its speed while its up or down drive is powered;
// - the coil's water valve and the stop relay, following their lines;
// - the working-signal line, whose changes of level a watchdog relay can watch.
#include <cstdint>

#include "platform/time/clock.h"
#include "sim/wiring.h"

namespace kolvar::sim {

class Actuators {
 public:
  // The lift starts at `lift_cm` and travels between 0 and `lift_top_cm`.
  Actuators(double lift_cm, double lift_top_cm, double lift_speed_cm_s);

  // The levels on the lines from time `at` on.
  void see(std::uint8_t byte, const Wiring& wiring, platform::Millis at);
  // Moves the lift for `dt` seconds with the drives as they are.
  void run(double dt);

  std::uint8_t byte() const { return byte_; }
  bool valve_open() const { return valve_open_; }
  bool stop_raised() const { return stop_; }
  bool coil_valve_open() const { return coil_; }
  bool working_signal() const { return working_; }
  double lift_cm() const { return lift_cm_; }

  // A watchdog with `timeout` holds until `timeout` after the last change of
  // the working line; it never holds before the first change.
  bool watchdog_holds(platform::Millis now, platform::Millis timeout) const;
  // When it lets go (only meaningful after a change).
  platform::Millis watchdog_deadline(platform::Millis timeout) const {
    return last_change_ + timeout;
  }

 private:
  std::uint8_t byte_ = 0;
  bool valve_open_ = false;
  bool stop_ = false;
  bool coil_ = false;
  bool working_ = false;
  bool ever_changed_ = false;
  platform::Millis last_change_ = 0;
  int lift_direction_ = 0;  // +1 up, -1 down, 0 still
  double lift_cm_;
  double lift_top_cm_;
  double lift_speed_;
};

}  // namespace kolvar::sim
