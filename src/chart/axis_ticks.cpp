#include "chart/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace kolvar::chart {

using platform::Millis;

ValueAxis value_axis(double low, double high, int most) {
  most = std::max(most, 2);
  if (!(high > low)) {
    low -= 1;
    high += 1;
  }
  const double rough = (high - low) / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = 10 * power;
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= rough) {
      step = m * power;
      break;
    }
  }
  ValueAxis axis{std::floor(low / step) * step, std::ceil(high / step) * step, step, {}};
  // Counted in whole steps, so that 0.1 + 0.2 leaves no mark out.
  const auto first = static_cast<long long>(std::llround(axis.low / step));
  const auto last = static_cast<long long>(std::llround(axis.high / step));
  for (long long k = first; k <= last; ++k) axis.ticks.push_back(static_cast<double>(k) * step);
  return axis;
}

Millis time_step(Millis width, int most) {
  static constexpr std::array<Millis, 17> kSteps = {
      1'000,   2'000,   5'000,     10'000,    15'000,    30'000,     60'000,     120'000,   300'000,
      600'000, 900'000, 1'800'000, 3'600'000, 7'200'000, 10'800'000, 21'600'000, 43'200'000};
  most = std::max(most, 1);
  for (Millis step : kSteps)
    if (width / step <= most) return step;
  const Millis day = 86'400'000;
  return day * std::max<Millis>(1, (width / most + day - 1) / day);
}

std::vector<Millis> time_ticks(Millis from, Millis to, Millis step) {
  std::vector<Millis> ticks;
  if (step <= 0) return ticks;
  // Rounded towards the later multiple, before the start as after it.
  Millis t = from >= 0 ? (from + step - 1) / step * step : -(-from / step) * step;
  for (; t <= to; t += step) ticks.push_back(t);
  return ticks;
}

std::string time_label(Millis since_start, Millis step) {
  const bool before = since_start < 0;
  const long long s = (before ? -since_start : since_start) / 1000;
  char text[32];
  if (step < 60'000)
    std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld", before ? "-" : "", s / 3600,
                  s / 60 % 60, s % 60);
  else
    std::snprintf(text, sizeof text, "%s%lld:%02lld", before ? "-" : "", s / 3600, s / 60 % 60);
  return text;
}

}  // namespace kolvar::chart
