#include "simrun/preheat.h"

#include <cmath>

namespace kolvar::simrun {

namespace {
constexpr platform::Millis kStep = 10000;
// Settled: the head moved less than this over the last minute.
constexpr platform::Millis kWindow = 60000;
constexpr double kSettledCelsius = 0.05;
}  // namespace

bool bring_to_boil(sim::Plant& plant, platform::Millis limit) {
  const sim::Wiring& wiring = plant.settings().wiring;
  plant.write(wiring.mask(sim::Output::ValveStop) | wiring.mask(sim::Output::CoilCooling));
  const platform::Millis end = plant.now() + limit;
  platform::Millis window_start = plant.now();
  double head_then = plant.status().dephlegmator_celsius;
  while (plant.now() < end) {
    plant.advance_to(plant.now() + kStep);
    if (plant.now() - window_start < kWindow) continue;
    const sim::PlantStatus s = plant.status();
    if (s.boiling && std::abs(s.dephlegmator_celsius - head_then) < kSettledCelsius) return true;
    window_start = plant.now();
    head_then = s.dephlegmator_celsius;
  }
  return plant.status().boiling;
}

}  // namespace kolvar::simrun
