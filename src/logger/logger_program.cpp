#include "logger/logger_program.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "logger/config.h"
#include "logger/host.h"
#include "logger/instance_lock.h"
#include "logger/line_format.h"
#include "logger/log_append.h"
#include "logger/logger_loop.h"
#include "logger/logger_setup.h"
#include "logger/mqtt_source.h"
#include "logger/options.h"
#include "logger/serial_source.h"
#include "logger/sysfs_sensors.h"
#include "logger/sysfs_source.h"
#include "logger/usage_error.h"
#include "platform/time/clock.h"

namespace kolvar::logger {

namespace {

namespace fs = std::filesystem;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageLines =
    "usage: kolvar-logger [--config FILE] [--log FILE] [--interval SECONDS] [--timeout SECONDS]\n"
    "                     [--serial DEVICE[,BAUD]] [--mqtt URL --column N=TOPIC[#PATH]...]\n"
    "                     [--once]\n"
    "       kolvar-logger --list [--config FILE]\n"
    "       kolvar-logger --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Appends one line of up to five temperatures to the log Kolvar reads, from\n"
    "1-Wire sensors (Linux's sysfs), a board on a serial port or an MQTT broker.\n"
    "\n"
    "  --config FILE       configuration (default ~/.config/kolvar/logger.conf)\n"
    "  --log FILE          the log (default: the configuration's 'log' line,\n"
    "                      else ~/.local/state/kolvar/temperatures.log)\n"
    "  --interval SECONDS  1 to 3600 (default: the configuration's 'interval', else 1)\n"
    "  --timeout SECONDS   a reading older than this is written blank (default:\n"
    "                      the configuration's 'timeout', else 3 intervals)\n"
    "  --serial DEVICE[,BAUD]  read the lines a board prints (BAUD default 9600):\n"
    "                      numbers fill columns 1, 2, 3...; ID=VALUE or ID:VALUE\n"
    "                      fill the column the configuration gives ID\n"
    "  --mqtt mqtt://[USER:PASSWORD@]HOST[:PORT]  read topics on this broker\n"
    "  --column N=TOPIC[#PATH]  column N is TOPIC's number, or with PATH the number\n"
    "                      at PATH (keys.separated.by.dots) in its JSON; repeatable\n"
    "  --sysfs DIR         sensor folders (default /sys/bus/w1/devices), read when\n"
    "                      no serial port or broker is named\n"
    "  --once              write one line and exit (with a board or a broker,\n"
    "                      after hearing them for one interval)\n"
    "  --list              show the sensors found, their columns and readings\n"
    "  --help              this help\n"
    "  --version           the version\n"
    "\n"
    "Configuration, one setting a line ('#' starts a comment):\n"
    "  1 28-0000075a1b2c   sensor for column 1 (columns 1 to 5): a 1-Wire id or an\n"
    "                      ID the board prints\n"
    "  serial DEVICE[,BAUD]\n"
    "  mqtt URL\n"
    "  column N=TOPIC[#PATH]\n"
    "  log FILE            the log (a relative path is taken from the file's folder)\n"
    "  interval SECONDS\n"
    "  timeout SECONDS\n"
    "An option given takes the place of the file's setting (all --column options\n"
    "together of its 'column' lines). A wrong option or setting, a column given\n"
    "twice, a topic without a column or a broker without topics stop the start\n"
    "(exit status 2); a port or broker that is not there is said once and tried\n"
    "again, its columns blank until it answers.\n";

int list_sensors(const Options& options, std::ostream& out) {
  if (const std::string absent = sysfs_absence(); !absent.empty()) {
    out << absent << ".\n";
    return 0;
  }
  std::optional<Config> config;
  const fs::path config_path = options.config ? *options.config : default_config_path();
  std::error_code ignored;
  if (options.config || fs::exists(config_path, ignored)) config = read_config(config_path);

  const std::vector<std::string> found = find_sensors(options.sysfs);
  if (found.empty()) {
    out << "No sensors under " << options.sysfs.string()
        << " (are the w1-gpio and w1-therm kernel modules loaded?)\n";
  } else {
    out << "Sensors under " << options.sysfs.string() << ":\n";
  }
  for (const std::string& id : found) {
    std::string column = "         ";
    for (int k = 0; config && k < kColumns; ++k) {
      if (config->sensor[k] == id) column = "column " + std::to_string(k + 1) + " ";
    }
    const Reading reading = read_sensor(options.sysfs, id);
    out << "  " << id << "  " << column << " "
        << (reading.ok() ? temperature_text(reading.millidegrees) : describe(reading.fault))
        << '\n';
  }
  if (!config) {
    out << "No configuration at " << config_path.string()
        << "; write one line per column there, e.g. '1 28-0000075a1b2c'.\n";
    return 0;
  }
  for (int k = 0; k < kColumns; ++k) {
    const std::string& id = config->sensor[k];
    if (id.empty() || std::find(found.begin(), found.end(), id) != found.end()) continue;
    out << "  column " << k + 1 << " " << id << ": configured but not found\n";
  }
  return 0;
}

// Appends a line; a failure is said once per outage (a journal full of the
// same line helps no one) and the logger goes on, the controller seeing
// the log stall meanwhile.
class LogWriter {
 public:
  LogWriter(fs::path log, std::ostream& err) : log_(std::move(log)), err_(err) {}

  void write(const std::string& line) {
    try {
      append_line(log_, line);
      if (failing_) err_ << "kolvar-logger: writing " << log_.string() << " again\n";
      failing_ = false;
    } catch (const std::system_error& error) {
      if (!failing_) err_ << "kolvar-logger: cannot write " << error.what() << '\n';
      failing_ = true;
    }
  }

 private:
  fs::path log_;
  std::ostream& err_;
  bool failing_ = false;
};

int write_once(LoggerLoop& loop, StopRequests& stop, const fs::path& log, std::ostream& err) {
  for (;;) {
    if (auto line = loop.line_if_due(platform::monotonic_ms(), local_time_of_day())) {
      append_line(log, *line);
      return 0;
    }
    if (stop.wait(loop.listen(platform::monotonic_ms()))) {
      err << "kolvar-logger: stopped before the line\n";
      return 0;
    }
  }
}

int run_until_stopped(LoggerLoop& loop, StopRequests& stop, const fs::path& log,
                      std::ostream& err) {
  LogWriter writer(log, err);
  for (;;) {
    if (auto line = loop.line_if_due(platform::monotonic_ms(), local_time_of_day())) {
      writer.write(*line);
    }
    const int idle = loop.listen(platform::monotonic_ms());
    if (stop.wait(idle)) break;
  }
  err << "kolvar-logger: stopped\n";
  return 0;
}

std::vector<std::unique_ptr<Source>> make_sources(const LoggerSetup& setup, std::ostream& err) {
  std::vector<std::unique_ptr<Source>> sources;
  if (setup.sysfs) sources.push_back(std::make_unique<SysfsSource>(setup.ids, setup.sysfs_root));
  if (setup.serial)
    sources.push_back(std::make_unique<SerialSource>(*setup.serial, setup.ids, err));
  if (setup.mqtt) sources.push_back(std::make_unique<MqttSource>(*setup.mqtt, setup.topics, err));
  return sources;
}

// The configuration file: the one named, else the default one, which may be
// missing when the command line names a source of its own.
std::optional<Config> configuration(const Options& options) {
  if (options.config) return read_config(*options.config);
  if (!options.serial && !options.mqtt && options.topics.empty()) {
    return read_config(default_config_path());
  }
  std::optional<fs::path> usual;
  try {
    usual = default_config_path();
  } catch (const UsageError&) {
    return std::nullopt;  // no home, so no default file either
  }
  std::error_code ignored;
  if (!fs::exists(*usual, ignored)) return std::nullopt;
  return read_config(*usual);
}

int log_temperatures(const Options& options, std::ostream& err) {
  const LoggerSetup setup = resolve_setup(configuration(options), options);
  const fs::path log = setup.log ? *setup.log : default_log_path();
  const int interval = setup.interval_seconds;
  const platform::Millis interval_ms = interval * platform::Millis{1000};

  try {
    if (log.has_parent_path()) fs::create_directories(log.parent_path());
    const std::optional<InstanceLock> lock = InstanceLock::try_take(lock_path_for(log));
    if (!lock) {
      const long holder = InstanceLock::recorded_holder(lock_path_for(log));
      err << "kolvar-logger: another copy"
          << (holder > 0 ? " (pid " + std::to_string(holder) + ")" : std::string())
          << " is already writing " << log.string() << "; this one exits\n";
      return 0;
    }
    // Before any source starts a thread of its own (the broker's), which
    // would otherwise take a stop signal and end the process mid-line.
    StopRequests stop;
    std::vector<std::unique_ptr<Source>> sources = make_sources(setup, err);
    const bool listening = !setup.sysfs;
    // --once with a board or a broker hears them for one interval first.
    const platform::Millis start = platform::monotonic_ms();
    LoggerLoop loop(std::move(sources), interval_ms, setup.timeout_seconds * platform::Millis{1000},
                    options.once && listening ? start + interval_ms : start);
    if (options.once) return write_once(loop, stop, log, err);
    err << "kolvar-logger: writing " << log.string() << " every " << interval << " s\n";
    return run_until_stopped(loop, stop, log, err);
  } catch (const std::system_error& error) {
    err << "kolvar-logger: cannot write the log: " << error.what() << '\n';
    return kFailed;
  }
}

}  // namespace

int logger_main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const Options options = parse_options(args);
    if (options.help) {
      out << kUsageLines << kHelp;
      return 0;
    }
    if (options.version) {
      out << "kolvar-logger " << KOLVAR_VERSION << '\n';
      return 0;
    }
    return options.list ? list_sensors(options, out) : log_temperatures(options, err);
  } catch (const UsageError& error) {
    err << "kolvar-logger: " << error.what() << '\n'
        << kUsageLines << "(kolvar-logger --help tells more)\n";
    return kUsage;
  }
}

}  // namespace kolvar::logger
