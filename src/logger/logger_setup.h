#pragma once
// What one run of the logger does, from its command line over its
// configuration: the log, the beat, the sources and their columns. The
// mistakes found here are a wrong start (exit status 2): a source named
// without what it needs, a column given twice. A device or broker that is
// not there is not one of them: it may come later, and the run waits for it.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "logger/config.h"
#include "logger/options.h"
#include "logger/source_settings.h"
#include "platform/network/mqtt_url.h"

namespace kolvar::logger {

inline constexpr int kDefaultIntervalSeconds = 1;
// A reading counts for this many poll intervals unless a timeout is given.
inline constexpr int kDefaultTimeoutIntervals = 3;

struct LoggerSetup {
  std::optional<std::filesystem::path> log;  // none: the system's default
  int interval_seconds = kDefaultIntervalSeconds;
  int timeout_seconds = kDefaultIntervalSeconds * kDefaultTimeoutIntervals;
  std::array<std::string, kColumns> ids;  // ids[k - 1]: the sensor or board ID of column k
  // The 1-Wire files are read when no serial port and no broker is named:
  // the `N ID` lines then name their folders.
  bool sysfs = false;
  std::filesystem::path sysfs_root;
  std::optional<SerialSetting> serial;
  std::optional<platform::MqttTarget> mqtt;
  std::vector<TopicColumn> topics;
};

// `config`: the configuration file's, when one was read. Throws UsageError.
LoggerSetup resolve_setup(const std::optional<Config>& config, const Options& options);

}  // namespace kolvar::logger
