#include "logger/column_board.h"

#include <cstdlib>

#include "logger/reading.h"

namespace kolvar::logger {

ColumnBoard::ColumnBoard(platform::Millis timeout_ms) : timeout_ms_(timeout_ms) {}

bool ColumnBoard::fresh(const Slot& slot, platform::Millis now) const {
  return slot.millidegrees && now - slot.at <= timeout_ms_;
}

void ColumnBoard::report(int column, std::optional<int> millidegrees, platform::Millis at) {
  if (column < 1 || column > kColumns) return;
  Slot& slot = slots_[column - 1];
  std::optional<int> accepted;
  if (millidegrees) {
    switch (plausibility(*millidegrees)) {
      case Fault::kNone:
        accepted = millidegrees;
        break;
      case Fault::kPowerOn:
        if (fresh(slot, at) &&
            std::abs(*slot.millidegrees - *millidegrees) <= kPowerOnNeighbourhood) {
          accepted = millidegrees;
        }
        break;
      default:
        break;
    }
  }
  slot = {accepted, at};
}

Values ColumnBoard::values(platform::Millis now) const {
  Values values;
  for (int k = 0; k < kColumns; ++k) {
    if (fresh(slots_[k], now)) values[k] = slots_[k].millidegrees;
  }
  return values;
}

}  // namespace kolvar::logger
