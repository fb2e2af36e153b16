#include "sim/traces.h"

#include <algorithm>
#include <cmath>

namespace kolvar::sim::traces {

namespace {
constexpr double kHeadsCelsius = 65;
constexpr double kTailsCelsius = 95;
}  // namespace

double heads_ratio(double x) {
  // From about 8 in the pot's weak liquid to 2.5 at the azeotrope.
  return 2.5 + 5.5 * std::clamp(1 - x / 0.8943, 0.0, 1.0);
}

double tails_ratio(double x) {
  // About 3 over water, equal to ethanol at x 0.22 (some 50 %vol), a third
  // in strong spirit.
  return 0.33 + 2.7 * std::exp(-std::max(0.0, x) / 0.158);
}

double boiling_with(double celsius, double heads, double tails) {
  const double h = std::clamp(heads, 0.0, 1.0);
  const double t = std::clamp(tails, 0.0, 1.0 - h);
  return celsius + h * (kHeadsCelsius - celsius) + t * (kTailsCelsius - celsius);
}

}  // namespace kolvar::sim::traces
