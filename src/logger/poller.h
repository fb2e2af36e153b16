#pragma once
// One poll: every configured sensor read in column order and turned into a
// log line for the time given. The poller remembers only each sensor's last
// accepted value, to tell a real 85.000 from the power-on value.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "logger/config.h"
#include "logger/line_format.h"
#include "logger/w1_text.h"

namespace kolvar::logger {

// A reading of exactly 85.000 is taken as real only when the same sensor's
// previous line held a value at most this far from it: the column passes
// through 85 degrees, while a sensor that lost power jumps there.
inline constexpr int kPowerOnNeighbourhood = 1000;

class Poller {
 public:
  Poller(std::array<std::string, kColumns> sensors, std::filesystem::path sysfs_root);

  // The line for `now`, CR LF included. A sensor that fails this time leaves
  // its column blank; the next poll reads it afresh, so a sensor that comes
  // back fills its column again.
  std::string poll(const TimeOfDay& now);

 private:
  std::optional<int> accepted(int column, const Reading& reading) const;

  std::array<std::string, kColumns> sensors_;
  std::filesystem::path root_;
  std::array<std::optional<int>, kColumns> previous_;
};

}  // namespace kolvar::logger
