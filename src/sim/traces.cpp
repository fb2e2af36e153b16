#include "sim/traces.h"

#include <algorithm>
#include <cmath>

#include "sim/vle.h"

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
  // The fusel oils' volatility over ethanol's (their coefficient of
  // rectification, as the spirit distiller's handbooks chart it for amyl
  // alcohol) is about 3 in a weak liquid, 1 at some 42 % ethanol by mass
  // (x 0.22) and a third in strong spirit; times ethanol's own.
  const double xe = std::clamp(x, 0.002, 1.0);
  const double over_ethanol = 0.33 + 2.7 * std::exp(-xe / 0.158);
  return over_ethanol * vle::vapour_fraction(xe) / xe;
}

double boiling_with(double celsius, double heads, double tails) {
  const double h = std::clamp(heads, 0.0, 1.0);
  const double t = std::clamp(tails, 0.0, 1.0 - h);
  return celsius + h * (kHeadsCelsius - celsius) + t * (kTailsCelsius - celsius);
}

}  // namespace kolvar::sim::traces
