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
  return settle_at_total_reflux(plant, limit).boiling;
}

TotalReflux settle_at_total_reflux(sim::Plant& plant, platform::Millis limit) {
  TotalReflux seen;
  const sim::Wiring& wiring = plant.settings().wiring;
  plant.write(wiring.mask(sim::Output::ValveStop) | wiring.mask(sim::Output::CoilCooling));
  const platform::Millis end = plant.now() + limit;
  platform::Millis window_start = plant.now();
  double head_then = plant.status().dephlegmator_celsius;
  while (plant.now() < end) {
    plant.advance_to(plant.now() + kStep);
    const sim::PlantStatus s = plant.status();
    if (s.boiling && !seen.boiling_at) seen.boiling_at = plant.now();
    seen.head_celsius = s.dephlegmator_celsius;
    if (plant.now() - window_start < kWindow) continue;
    if (s.boiling && std::abs(s.dephlegmator_celsius - head_then) < kSettledCelsius) {
      seen.boiling = true;
      return seen;
    }
    window_start = plant.now();
    head_then = s.dephlegmator_celsius;
  }
  seen.boiling = plant.status().boiling;
  return seen;
}

}  // namespace kolvar::simrun
