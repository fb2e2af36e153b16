#pragma once
// Where the axes carry their marks: round numbers of degrees, and times since
// the start in steps a person counts in (1, 2, 5, 10, 15, 30 minutes, hours).
#include <string>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::chart {

struct ValueAxis {
  double low;
  double high;
  double step;
  std::vector<double> ticks;
};

// An axis over [low, high] widened to whole steps, with at most `most` marks.
ValueAxis value_axis(double low, double high, int most);

// The step between time marks for a stretch `width` long, so that at most
// `most` marks fit.
platform::Millis time_step(platform::Millis width, int most);
// The marks within [from, to], whole multiples of `step`.
std::vector<platform::Millis> time_ticks(platform::Millis from, platform::Millis to,
                                         platform::Millis step);
// "1:05" since the start, or "1:05:30" when the step is under a minute;
// "-0:02" before it.
std::string time_label(platform::Millis since_start, platform::Millis step);

}  // namespace kolvar::chart
