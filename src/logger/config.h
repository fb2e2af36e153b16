#pragma once
// The logger's configuration file: which sensor goes to which column of the
// log, and optionally where the log is and how often it is written.
//
//   # column  sensor id
//   1 28-0000075a1b2c
//   2 28-00000812ab01
//   log /home/user/kolvar/temperatures.log
//   interval 1
//
// One setting a line; blanks and tabs separate words; '#' starts a comment
// that runs to the end of the line; blank lines are ignored. Columns 1 to 5
// each take at most one sensor and a sensor takes at most one column;
// columns without a sensor stay blank in every line. A relative log path is
// taken from the folder of the configuration file, so the logger writes the
// same file whoever starts it and from wherever.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/log_line_layout.h"

namespace kolvar::logger {

inline constexpr int kColumns = platform::log_line::kSensors;
inline constexpr int kMaxIntervalSeconds = 3600;

struct Config {
  std::array<std::string, kColumns> sensor;  // sensor[k - 1]: the id for column k, or ""
  std::optional<std::filesystem::path> log;
  std::optional<int> interval_seconds;
};

// Parses the text of a configuration file read from `file` (named in
// errors; its folder anchors a relative log path). Throws UsageError naming
// the file and line of the first mistake; a file with no sensor is a mistake.
Config parse_config(std::string_view text, const std::filesystem::path& file);

// Reads and parses the file; throws UsageError when it cannot be read.
Config read_config(const std::filesystem::path& file);

// A poll interval: a whole number of seconds from 1 to kMaxIntervalSeconds.
std::optional<int> parse_interval(std::string_view text);

}  // namespace kolvar::logger
