#include "sim/dephlegmator.h"

#include <algorithm>
#include <cmath>

namespace kolvar::sim {

namespace {

constexpr double kFillSeconds = 2;
constexpr double kDrainSeconds = 60;
// Water's specific heat, J/(kg K), and the share of the full warming to the
// vapour's temperature that a coil of the usual size reaches at its outlet.
constexpr double kWaterHeat = 4186;
constexpr double kApproach = 0.9;

}  // namespace

double condensable_share(const DephlegmatorWater& water, double vapour_celsius,
                         double vapour_watts) {
  if (vapour_watts <= 0) return 1;
  const double rise = std::max(0.0, vapour_celsius - water.inlet_celsius) * kApproach;
  const double watts = std::max(0.0, water.litres_per_minute) / 60 * kWaterHeat * rise;
  return std::clamp(watts / vapour_watts, 0.0, 1.0);
}

void Dephlegmator::run(double dt, bool water_flowing, double limit) {
  if (water_flowing) {
    share_ = limit - (limit - share_) * std::exp(-dt / kFillSeconds);
  } else {
    share_ *= std::exp(-dt / kDrainSeconds);
  }
}

}  // namespace kolvar::sim
