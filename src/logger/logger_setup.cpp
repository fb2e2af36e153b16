#include "logger/logger_setup.h"

#include "logger/sysfs_sensors.h"
#include "logger/usage_error.h"

namespace kolvar::logger {

LoggerSetup resolve_setup(const std::optional<Config>& config, const Options& options) {
  const Config file = config.value_or(Config{});
  LoggerSetup setup;
  setup.log = options.log ? options.log : file.log;
  setup.interval_seconds =
      options.interval_seconds.value_or(file.interval_seconds.value_or(kDefaultIntervalSeconds));
  setup.timeout_seconds = options.timeout_seconds.value_or(
      file.timeout_seconds.value_or(setup.interval_seconds * kDefaultTimeoutIntervals));
  setup.ids = file.sensor;
  setup.serial = options.serial ? options.serial : file.serial;
  setup.mqtt = options.mqtt ? options.mqtt : file.mqtt;
  setup.topics = options.topics.empty() ? file.topics : options.topics;
  setup.sysfs = !setup.serial && !setup.mqtt;
  setup.sysfs_root = options.sysfs;

  if (!setup.topics.empty() && !setup.mqtt) {
    throw UsageError("a topic's column needs a broker: give --mqtt URL or an 'mqtt' line");
  }
  if (setup.mqtt && setup.topics.empty()) {
    throw UsageError(
        "the broker needs a column for each topic: give --column N=TOPIC[#PATH] or 'column' "
        "lines");
  }
  for (const TopicColumn& mapping : setup.topics) {
    if (!setup.ids[mapping.column - 1].empty()) {
      throw UsageError("column " + std::to_string(mapping.column) + " is given twice: to " +
                       setup.ids[mapping.column - 1] + " and to the topic " + mapping.topic);
    }
  }
  if (setup.sysfs && !sysfs_absence().empty()) throw UsageError(sysfs_absence());
  if (setup.sysfs && !file.names_a_source()) {
    throw UsageError(
        "no source of temperatures: give sensor columns in the configuration ('1 "
        "28-0000075a1b2c'), --serial DEVICE or --mqtt URL with --column N=TOPIC");
  }
  return setup;
}

}  // namespace kolvar::logger
