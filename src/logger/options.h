#pragma once
// The logger's command line. Each option that takes a value accepts it as the
// next argument or after '=' (--log FILE, --log=FILE).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "logger/source_settings.h"
#include "logger/sysfs_sensors.h"
#include "platform/network/mqtt_url.h"

namespace kolvar::logger {

struct Options {
  bool help = false;
  bool version = false;
  bool list = false;
  bool once = false;
  std::optional<std::filesystem::path> config;
  std::optional<std::filesystem::path> log;
  std::optional<int> interval_seconds;
  std::optional<int> timeout_seconds;
  std::filesystem::path sysfs = kDefaultSysfsRoot;
  // Each given here takes the place of the configuration's (the --column
  // options all together of its 'column' lines).
  std::optional<SerialSetting> serial;
  std::optional<platform::MqttTarget> mqtt;
  std::vector<TopicColumn> topics;
};

// args: the arguments after the program name. Throws UsageError for an
// unknown option, a missing or bad value, or a stray argument.
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::logger
