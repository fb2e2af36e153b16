#pragma once
// One poll of the 1-Wire sensors alone: every configured sensor read in
// column order and turned into a log line for the time given, with the
// judgement of the column board (a sensor that fails blanks its column; an
// 85.000 counts only next to its own past).
#include <array>
#include <filesystem>
#include <string>

#include "logger/column_board.h"
#include "logger/config.h"
#include "logger/line_format.h"
#include "logger/sysfs_source.h"

namespace kolvar::logger {

class Poller {
 public:
  Poller(std::array<std::string, kColumns> sensors, std::filesystem::path sysfs_root);

  // The line for `now`, CR LF included.
  std::string poll(const TimeOfDay& now);

 private:
  SysfsSource source_;
  // Each poll reads every sensor afresh, so nothing on the board ages
  // between lines: one instant serves them all.
  ColumnBoard board_{0};
};

}  // namespace kolvar::logger
