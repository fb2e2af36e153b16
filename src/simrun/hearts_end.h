#pragma once
// When a distiller calls the hearts over. Once the head has settled, the
// packing is the tails' sentinel: the fusel oils gather low in the column
// and climb it as the pot runs out of spirit. Over the last half hour, with
// the packing over its threshold V(2) at least once:
// - the packing stood over V(2) half of the time: the tails are in the
//   column whatever the take-off does; or
// - the take-off fell under a third of its pace since the head settled:
//   the thresholds hold it back, the valve standing closed more than open.
// A touch of V(2) that the regulation answers ends nothing, nor does a
// take-off slowed by the head alone (the weather moves the head; tails
// show first in the packing).
#include <deque>
#include <optional>

#include "platform/time/clock.h"

namespace kolvar::simrun {

class HeartsEnd {
 public:
  static constexpr platform::Millis kWindowMs = 30 * 60 * 1000;

  // One control cycle at `at`, after the head has settled: whether the
  // packing is over V(2), and the litres taken off since the run began.
  // Returns the moment the hearts ended, once they have (and ever after).
  std::optional<platform::Millis> update(platform::Millis at, bool packing_over, double litres);

  // The first reading over V(2) in the window that ended the hearts: what
  // came off from then on was already tails.
  std::optional<platform::Millis> tails_since() const { return tails_since_; }

 private:
  struct Reading {
    platform::Millis at;
    bool over;
    double litres;
  };
  std::deque<Reading> window_;
  platform::Millis over_ms_ = 0;  // of the window, each reading standing until the next
  std::optional<Reading> settled_;
  std::optional<platform::Millis> ended_;
  std::optional<platform::Millis> tails_since_;
};

}  // namespace kolvar::simrun
