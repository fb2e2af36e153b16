#include "chart/colour.h"

#include <algorithm>
#include <cmath>

namespace kolvar::chart {

namespace {

// Scales the HSV value by `factor`, hue kept; past full value the saturation
// gives way by what is left over.
Colour scaled_value(Colour c, double factor) {
  const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
  const double v0 = std::max({r, g, b});
  if (v0 <= 0) return c;
  const double s0 = (v0 - std::min({r, g, b})) / v0;
  double v = v0 * factor;
  double s = s0;
  if (v > 1) {
    s = std::max(0.0, s0 - (v - 1));
    v = 1;
  }
  // Each channel is v * (1 - s * k), k fixed by the hue.
  auto channel = [&](double x) {
    const double k = s0 > 0 ? (1 - x / v0) / s0 : 0;
    return static_cast<std::uint8_t>(std::clamp(std::lround(255 * v * (1 - s * k)), 0L, 255L));
  };
  return {channel(r), channel(g), channel(b), c.alpha};
}

}  // namespace

Colour lighter(Colour colour, int percent) {
  return scaled_value(colour, percent / 100.0);
}

Colour darker(Colour colour, int percent) {
  return percent > 0 ? scaled_value(colour, 100.0 / percent) : colour;
}

}  // namespace kolvar::chart
