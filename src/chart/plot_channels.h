#pragma once
// A row of the record as the plot's numbers: one value per channel, NaN where
// there is none (a role that takes no part, a valve never switched yet).
#include <array>
#include <cstddef>

#include "record/sample.h"

namespace kolvar::chart {

// T1..T4 the role temperatures and V1..V5 the thresholds, in degrees; the
// valve 1 open, 0 closed; the PWM take-off share in percent.
enum Channel : std::size_t {
  kT1,
  kT2,
  kT3,
  kT4,
  kV1,
  kV2,
  kV3,
  kV4,
  kV5,
  kValve,
  kShare,
  kChannels
};

std::array<float, kChannels> plot_values(const record::Sample& sample);

}  // namespace kolvar::chart
