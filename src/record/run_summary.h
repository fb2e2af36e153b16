#pragma once
// A run in a few figures, folded from its rows one at a time (a record of any
// length costs no more than the head's readings while the valve was open).
// The same fold serves a record read back and a run as it is taken.
#include <optional>
#include <string>
#include <vector>

#include "platform/time/clock.h"
#include "platform/time/wall_clock.h"
#include "record/sample.h"

namespace kolvar::record {

struct RunSummary {
  // "Старт системы" by the operator's calendar; none for a record without rows.
  std::optional<platform::LocalTime> start;
  platform::Millis duration = 0;  // to the last row
  // From the start to the first row that saw the valve open (or a width-
  // modulated share above nothing).
  std::optional<platform::Millis> first_open;
  // The valve's open time: each row's state holds until the next row; in
  // width-modulated take-off the valve is open for the row's share of it.
  platform::Millis valve_open = 0;
  std::optional<double> tank_max;             // °C, T3
  std::optional<double> head_median_takeoff;  // °C, T1 over the rows with the valve open
  long rows = 0;
  long read_errors = 0;  // rows with some role in read error
  // The run ended with a system stop, and the reason the panel gave (its
  // lines joined by ", ", the cool-down's line left out).
  bool stopped = false;
  std::string stop_reason;
  // The record ends short: its last row cut, or a row that does not read.
  bool cut = false;

  bool operator==(const RunSummary&) const = default;
};

class SummaryBuilder {
 public:
  void add(const Sample& sample);
  // The summary as of the rows given; `cut` as the caller found the record.
  RunSummary finish(bool cut) const;

 private:
  RunSummary summary_;
  std::optional<Sample> last_;
  std::vector<double> head_open_;
};

// The reason of a system stop from the message panel's text; none when the
// panel shows no stop.
std::optional<std::string> stop_reason_of(const std::string& news);

}  // namespace kolvar::record
