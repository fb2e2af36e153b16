#pragma once
// What a board prints on its serial port, one reading a line, in either of
// two forms:
//   23.125 78.4 80.1          numbers separated by blanks, commas, tabs or
//   23.125,78.4;80.1          semicolons fill columns 1, 2, 3... in order
//   tank=84.2 28-aa:20.5      ID=VALUE or ID:VALUE pairs fill the column the
//                             configuration gives that ID (any order)
// A line that is neither (a banner, a debug print) gives nothing, and so
// does a pair whose ID has no column or whose value is no number: nothing
// on such a line harms the log. IDs are compared without regard to case,
// as boards print ROM codes in either.
//
// In a row, a board that cannot read a sensor leaves its field empty
// between two commas or semicolons ("23.1,,80.1"). That column is a
// failed read, never the next field's value moved up into it: a row that
// closed up its gaps would put one place's temperature under another's
// name. Only blanks alone may run together, as boards pad columns with them.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logger/config.h"

namespace kolvar::logger {

struct ColumnReading {
  int column = 0;                   // 1 to kColumns
  std::optional<int> millidegrees;  // none: the board could not read it
  bool operator==(const ColumnReading&) const = default;
};

// ids[k - 1]: the ID of column k, or "" for none.
std::vector<ColumnReading> parse_serial_line(std::string_view line,
                                             const std::array<std::string, kColumns>& ids);

}  // namespace kolvar::logger
