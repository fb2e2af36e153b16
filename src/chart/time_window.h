#pragma once
// Which stretch of the run the time axis shows. While following, the axis
// ends at the latest sample (the whole run until the operator chose a width);
// a zoom or a pan fixes the stretch and drops following until asked again.
#include <optional>

#include "platform/time/clock.h"

namespace kolvar::chart {

struct Span {
  platform::Millis from;
  platform::Millis to;
  platform::Millis width() const { return to - from; }
  bool operator==(const Span&) const = default;
};

class TimeWindow {
 public:
  // The narrowest stretch shown (a zoom stops there) and the least shown of
  // a run that has just begun.
  static constexpr platform::Millis kNarrowest = 20'000;
  static constexpr platform::Millis kLeast = 10 * 60'000;
  static constexpr platform::Millis kWidest = 31LL * 24 * 3600'000;

  // The stretch to show of a run whose samples lie in [first, last]; the
  // whole run is shown at least to `reach` (a run behind it that lasted longer).
  Span span(platform::Millis first, platform::Millis last,
            std::optional<platform::Millis> reach = std::nullopt) const;

  bool following() const { return following_; }
  // Back to the latest time, keeping the width the operator chose.
  void follow() { following_ = true; }
  // Scales the width of `shown` by `factor` (below 1 zooms in), keeping the
  // time under `anchor` (0 the left edge, 1 the right) in place.
  void zoom(Span shown, double factor, double anchor);
  // Moves `shown` later by `by` (earlier when negative).
  void pan(Span shown, platform::Millis by);
  // Shows the whole run again, following it.
  void whole_run();

 private:
  bool following_ = true;
  std::optional<platform::Millis> width_;  // none: the whole run
  Span fixed_{0, kLeast};
};

}  // namespace kolvar::chart
