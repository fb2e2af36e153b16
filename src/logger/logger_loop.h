#pragma once
// The logger's rhythm, on time given to it: a line at every poll interval
// from the board its sources feed, and between lines the sources that
// listen take in what comes. The program (logger_program.cpp) gives it the
// clock and does the waiting; tests give it any time they like.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "logger/column_board.h"
#include "logger/line_format.h"
#include "logger/source.h"
#include "platform/time/clock.h"

namespace kolvar::logger {

// How long the loop waits between two looks at listening sources that
// cannot wait themselves (a broker's inbox) and at the stop requests.
inline constexpr int kListenSliceMs = 100;

class LoggerLoop {
 public:
  // The first line is due at `first_line_at`; then one every `interval_ms`.
  LoggerLoop(std::vector<std::unique_ptr<Source>> sources, platform::Millis interval_ms,
             platform::Millis timeout_ms, platform::Millis first_line_at);

  // The line for `now` (stamped `time`), CR LF included, when one is due;
  // the sources read on demand are read first (with `now` taken before
  // they are, a poll whose reads overrun the interval is followed by the
  // next at once). A line later than a whole interval moves the beat on
  // rather than being followed by a burst.
  std::optional<std::string> line_if_due(platform::Millis now, const TimeOfDay& time);

  // Lets the listening sources take in what came, a source that can wait
  // for its input waiting for it up to the next line and at most
  // kListenSliceMs (its readings count as of `now`). Returns how long the
  // caller may still idle before the next look: up to the next line when
  // no source listens, 0 once a source waited.
  int listen(platform::Millis now);

  platform::Millis next_line_at() const { return due_; }
  const ColumnBoard& board() const { return board_; }

 private:
  std::vector<std::unique_ptr<Source>> sources_;
  platform::Millis interval_ms_;
  ColumnBoard board_;
  platform::Millis due_;
};

}  // namespace kolvar::logger
