#pragma once
// Every source's readings meet here, one slot a column: the last reading
// and when it came. A line for a time takes from the board what is still
// fresh, so a board that stops printing, a topic that goes silent or a
// sensor that falls off reaches the controller as a blank field (a read
// error), whatever the source. The same board judges every reading: out of
// range is blank at once, and 85.000 counts only next to its own past.
// Time is given to it, in milliseconds of one monotonic clock.
#include <array>
#include <optional>

#include "logger/config.h"
#include "platform/time/clock.h"

namespace kolvar::logger {

// A reading of exactly 85.000 is taken as real only when the same column's
// last accepted value, still fresh, was at most this far from it: the
// column passes through 85 degrees, while a sensor that lost power jumps
// there.
inline constexpr int kPowerOnNeighbourhood = 1000;

using Values = std::array<std::optional<int>, kColumns>;

class ColumnBoard {
 public:
  // A reading older than `timeout_ms` is blank in a line.
  explicit ColumnBoard(platform::Millis timeout_ms);

  // A reading for `column` (1 to kColumns; any other is ignored) in
  // millidegrees, or nullopt for a read that failed: either way it replaces
  // the column's last. An implausible value blanks the column at once.
  void report(int column, std::optional<int> millidegrees, platform::Millis at);

  // The columns as a line for `now` shows them.
  Values values(platform::Millis now) const;

 private:
  struct Slot {
    std::optional<int> millidegrees;
    platform::Millis at = 0;
  };

  bool fresh(const Slot& slot, platform::Millis now) const;

  platform::Millis timeout_ms_;
  std::array<Slot, kColumns> slots_;
};

}  // namespace kolvar::logger
