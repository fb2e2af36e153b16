#include "record/plot_channels.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "form/text_number.h"

namespace kolvar::record {

std::array<float, kChannels> plot_values(const Sample& s) {
  std::array<float, kChannels> v;
  v.fill(NAN);
  for (std::size_t r = 0; r < 4; ++r) {
    // The logger may write a decimal comma; the plot takes it as a point.
    std::string text = s.temperatures[r];
    if (text.empty()) continue;
    std::replace(text.begin(), text.end(), ',', '.');
    v[kT1 + r] = static_cast<float>(form::numeric_value(text));
  }
  for (std::size_t i = 0; i < 5; ++i) v[kV1 + i] = static_cast<float>(s.thresholds[i]) / 10.0f;
  if (s.valve_open) v[kValve] = *s.valve_open ? 1.0f : 0.0f;
  if (s.share) v[kShare] = static_cast<float>(*s.share) / 1000.0f;
  return v;
}

}  // namespace kolvar::record
