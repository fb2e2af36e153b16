#pragma once
// A source of readings: the 1-Wire files, a serial port, an MQTT broker.
// Each reports to the column board; the loop (logger_program.h) asks each
// in turn and writes the board out as a line at every poll.
#include "logger/column_board.h"
#include "platform/time/clock.h"

namespace kolvar::logger {

class Source {
 public:
  virtual ~Source() = default;

  // Just before each line: a source read on demand reads now.
  virtual void before_line(ColumnBoard&, platform::Millis /*now*/) {}

  // Between lines: takes in what came, waiting at most `wait_ms` for it
  // when the source can wait (waits()). Sources that only ever report
  // before a line ignore it.
  virtual void take(ColumnBoard&, platform::Millis /*now*/, int /*wait_ms*/) {}

  // Whether readings come between lines (a board printing, a broker
  // publishing): the loop then calls take() often.
  virtual bool listens() const { return false; }

  // Whether take() can block on its input until something comes: the loop
  // then waits there rather than idly.
  virtual bool waits() const { return false; }
};

}  // namespace kolvar::logger
