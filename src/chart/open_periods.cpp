#include "chart/open_periods.h"

namespace kolvar::chart {

using platform::Millis;

void OpenPeriods::add(Millis time, std::optional<bool> open) {
  const bool now_open = open.value_or(false);
  if (open_) {
    periods_.back().to = time;
  } else if (now_open) {
    if (!periods_.empty() && time - periods_.back().to <= bridged_)
      periods_.back().to = time;
    else
      periods_.push_back({time, time});
    if (periods_.size() > limit_) compact();
  }
  open_ = now_open;
}

void OpenPeriods::clear() {
  periods_.clear();
  open_ = false;
  bridged_ = 0;
}

void OpenPeriods::compact() {
  while (periods_.size() > limit_ / 2) {
    bridged_ = bridged_ == 0 ? 1000 : bridged_ * 2;
    std::size_t kept = 0;
    for (std::size_t i = 1; i < periods_.size(); ++i) {
      if (periods_[i].from - periods_[kept].to <= bridged_)
        periods_[kept].to = periods_[i].to;
      else
        periods_[++kept] = periods_[i];
    }
    periods_.resize(kept + 1);
  }
}

}  // namespace kolvar::chart
