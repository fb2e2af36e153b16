#include "chart/plot_channels.h"

#include <cmath>

namespace kolvar::chart {

std::array<float, kChannels> plot_values(const record::Sample& s) {
  std::array<float, kChannels> v;
  v.fill(NAN);
  for (std::size_t r = 0; r < 4; ++r)
    if (s.degrees[r]) v[kT1 + r] = static_cast<float>(*s.degrees[r]);
  for (std::size_t i = 0; i < 5; ++i) v[kV1 + i] = static_cast<float>(s.thresholds[i]) / 10.0f;
  if (s.valve_open) v[kValve] = *s.valve_open ? 1.0f : 0.0f;
  if (s.share) v[kShare] = static_cast<float>(*s.share) / 1000.0f;
  return v;
}

}  // namespace kolvar::chart
