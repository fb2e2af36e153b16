#include "simrun/hearts_end.h"

#include <algorithm>

namespace kolvar::simrun {

std::optional<platform::Millis> HeartsEnd::update(platform::Millis at, bool packing_over,
                                                  double litres) {
  if (ended_) return ended_;
  if (!settled_) settled_ = Reading{at, packing_over, litres};
  if (!window_.empty() && window_.back().over) over_ms_ += at - window_.back().at;
  window_.push_back({at, packing_over, litres});
  while (window_.size() > 1 && at - window_[1].at >= kWindowMs) {
    if (window_.front().over) over_ms_ -= window_[1].at - window_.front().at;
    window_.pop_front();
  }
  const Reading& first = window_.front();
  const platform::Millis span = at - first.at;
  if (span < kWindowMs) return std::nullopt;
  // Every reading but the newest has its time over counted in over_ms_.
  if (over_ms_ == 0 && !packing_over) return std::nullopt;

  const bool stood_over = 2 * over_ms_ >= span;
  const double pace = (litres - settled_->litres) / static_cast<double>(at - settled_->at);
  const double lately = (litres - first.litres) / static_cast<double>(span);
  const bool held_back = 3 * lately < pace;
  if (stood_over || held_back) {
    ended_ = at;
    tails_since_ =
        std::find_if(window_.begin(), window_.end(), [](const Reading& r) { return r.over; })->at;
  }
  return ended_;
}

}  // namespace kolvar::simrun
