#include "chart/time_window.h"

#include <algorithm>
#include <cmath>

namespace kolvar::chart {

using platform::Millis;

Span TimeWindow::span(Millis first, Millis last, std::optional<Millis> reach) const {
  if (!following_) return fixed_;
  if (!width_) return {first, std::max({last, first + kLeast, reach.value_or(last)})};
  const Millis to = std::max(last, first + *width_);
  return {to - *width_, to};
}

void TimeWindow::zoom(Span shown, double factor, double anchor) {
  anchor = std::clamp(anchor, 0.0, 1.0);
  const auto width = static_cast<Millis>(std::llround(static_cast<double>(shown.width()) * factor));
  const Millis w = std::clamp(width, kNarrowest, kWidest);
  const Millis at = shown.from + static_cast<Millis>(std::llround(anchor * shown.width()));
  const Millis from = at - static_cast<Millis>(std::llround(anchor * w));
  fixed_ = {from, from + w};
  width_ = w;
  following_ = false;
}

void TimeWindow::pan(Span shown, Millis by) {
  fixed_ = {shown.from + by, shown.to + by};
  width_ = shown.width();
  following_ = false;
}

void TimeWindow::whole_run() {
  width_.reset();
  following_ = true;
}

}  // namespace kolvar::chart
