#pragma once
// The logger's command line. Each option that takes a value accepts it as the
// next argument or after '=' (--log FILE, --log=FILE).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "logger/sysfs_sensors.h"

namespace kolvar::logger {

struct Options {
  bool help = false;
  bool version = false;
  bool list = false;
  bool once = false;
  std::optional<std::filesystem::path> config;
  std::optional<std::filesystem::path> log;
  std::optional<int> interval_seconds;
  std::filesystem::path sysfs = kDefaultSysfsRoot;
};

// args: the arguments after the program name. Throws UsageError for an
// unknown option, a missing or bad value, or a stray argument.
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::logger
