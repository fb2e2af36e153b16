#pragma once
// A temperature that has risen over a threshold and stayed there, told from
// one that only touched it: a rise counts once it has held `hold` on end,
// and then from the moment it began.
#include <optional>

#include "platform/clock.h"

namespace kolvar::simrun {

class HeldOver {
 public:
  explicit HeldOver(platform::Millis hold) : hold_(hold) {}

  // Feed one reading at `at`; `over` is whether it is over the threshold.
  // Returns when the rise began, once it has held long enough (and at every
  // reading after, while it holds).
  std::optional<platform::Millis> update(platform::Millis at, bool over) {
    if (!over) {
      since_.reset();
      return std::nullopt;
    }
    if (!since_) since_ = at;
    if (at - *since_ >= hold_) return since_;
    return std::nullopt;
  }

  // Over now, held long enough or not yet.
  bool rising() const { return since_.has_value(); }

 private:
  platform::Millis hold_;
  std::optional<platform::Millis> since_;
};

}  // namespace kolvar::simrun
