#pragma once
// One line of the temperature log, laid out in the fixed columns that the
// controller reads by position (platform/log_line_layout.h): the time stamp
// HH:MM:SS in characters 1 to 8, sensor k in characters 10k to 10k + 8, a
// blank between fields.
#include <array>
#include <optional>
#include <string>

#include "logger/config.h"

namespace kolvar::logger {

// Local wall-clock time, as the operator reads it on the log.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Degrees with three decimals and a point: 23125 -> "23.125", -500 -> "-0.500".
std::string temperature_text(int millidegrees);

// The whole line, CR LF included, ready for a single write. A column
// without a value is left blank, which the controller takes as a read error;
// values start at their field's first character, and blanks at the end of
// the line are left out (a line is at most 58 characters before CR LF; four
// sensors at room temperature make 47).
std::string format_line(const TimeOfDay& time,
                        const std::array<std::optional<int>, kColumns>& millidegrees);

}  // namespace kolvar::logger
