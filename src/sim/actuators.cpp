#include "sim/actuators.h"

#include <algorithm>

namespace kolvar::sim {

Actuators::Actuators(double lift_cm, double lift_top_cm, double lift_speed_cm_s)
    : lift_cm_(std::clamp(lift_cm, 0.0, lift_top_cm)),
      lift_top_cm_(lift_top_cm),
      lift_speed_(lift_speed_cm_s) {}

void Actuators::see(std::uint8_t byte, const Wiring& wiring, platform::Millis at) {
  byte_ = byte;
  const bool open = wiring.raised(Output::ValveStart, byte);
  const bool close = wiring.raised(Output::ValveStop, byte);
  // A solenoid (no close line) follows its line; a motorised valve moves only
  // when exactly one of its two lines is high.
  if (wiring.mask(Output::ValveStop) == 0 || open != close) valve_open_ = open;
  stop_ = wiring.raised(Output::SystemStop, byte);
  coil_ = wiring.raised(Output::CoilCooling, byte);
  lift_direction_ = (wiring.raised(Output::LiftUp, byte) ? 1 : 0) -
                    (wiring.raised(Output::LiftDown, byte) ? 1 : 0);

  const bool working = wiring.raised(Output::WorkingSignal, byte);
  if (working != working_) {
    working_ = working;
    ever_changed_ = true;
    last_change_ = at;
  }
}

void Actuators::run(double dt) {
  lift_cm_ = std::clamp(lift_cm_ + lift_direction_ * lift_speed_ * dt, 0.0, lift_top_cm_);
}

bool Actuators::watchdog_holds(platform::Millis now, platform::Millis timeout) const {
  return ever_changed_ && now - last_change_ < timeout;
}

}  // namespace kolvar::sim
