#include "sim/probes.h"

#include <cmath>

namespace kolvar::sim {

namespace {

constexpr double kWarmSeconds = 30;     // metal and thermowell in rising vapour
constexpr double kCoolSeconds = 600;    // a lagged column left to the room
constexpr double kCoilSeconds = 60;     // the coil and its water jacket
constexpr double kCoilApproach = 0.05;  // share of the vapour's excess left at the outlet

// Moves `value` towards `target` as a first-order lag with time constant `tau`.
void lag(double& value, double target, double dt, double tau) {
  value += (target - value) * (1 - std::exp(-dt / tau));
}

}  // namespace

Probes::Probes(double room_celsius)
    : dephlegmator_(room_celsius), packing_(room_celsius), cooler_(room_celsius) {}

void Probes::follow(double dt, const ProbeInputs& in) {
  if (in.vapour_rising) {
    lag(dephlegmator_, in.head_celsius, dt, kWarmSeconds);
    lag(packing_, in.packing_celsius, dt, kWarmSeconds);
  } else {
    lag(dephlegmator_, in.room_celsius, dt, kCoolSeconds);
    lag(packing_, in.room_celsius, dt, kCoolSeconds);
  }
  const double cooled = in.water_celsius + kCoilApproach * (dephlegmator_ - in.water_celsius);
  // With the heater cut nothing hot reaches the coil any more: a dry coil
  // then cools towards the room instead of holding the head's temperature.
  const double dry = in.vapour_rising ? dephlegmator_ : in.room_celsius;
  lag(cooler_, in.coil_water ? cooled : dry, dt, kCoilSeconds);
}

}  // namespace kolvar::sim
