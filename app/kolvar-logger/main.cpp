// kolvar-logger - writes the temperature log that Kolvar reads
//
// SYNOPSIS
//   kolvar-logger [--config FILE] [--log FILE] [--interval SECONDS] [--sysfs DIR] [--once]
//   kolvar-logger --list [--config FILE] [--sysfs DIR]
//   kolvar-logger --help
//
// DESCRIPTION
//   Polls up to five 1-Wire thermometers through the kernel's sysfs files
//   (DIR/<id>/temperature, or DIR/<id>/w1_slave on older kernels) and appends
//   one line per poll to the log, in the columns Kolvar reads by position:
//     characters 1-8    time stamp HH:MM:SS, local time
//     characters 10k to 10k+8   sensor k (k = 1 to 5), degrees with three
//                       decimals ("23.125"), left-aligned; blank when the
//                       sensor is missing, fails its CRC check, gives
//                       anything unreadable or out of range (-55 to 125), or
//                       reports the power-on value 85.000 (taken as real
//                       only when its previous reading was within 1 degree)
//   Lines end with CR LF; blanks at the end of a line are left out. A line is
//   at most 60 bytes, so at one line a second the log grows by 4 to 5 MB a
//   day (about 150 MB a month). The logger never shortens or rotates it; it
//   opens the log for each line, so the log may be emptied or deleted
//   between runs (or even during one) and the next line starts it again.
//
//   Only one copy writes a given log: a copy holds an flock on LOG.lock
//   beside the log; a second copy reports the running one and exits with
//   status 0, leaving the log alone.
//
// OPTIONS
//   --config FILE     configuration (default $XDG_CONFIG_HOME/kolvar/logger.conf,
//                     that is ~/.config/kolvar/logger.conf)
//   --log FILE        the log (default: the configuration's 'log' line, else
//                     $XDG_STATE_HOME/kolvar/temperatures.log, that is
//                     ~/.local/state/kolvar/temperatures.log); missing folders
//                     are created
//   --interval SECONDS  seconds from the start of one poll to the next, 1 to
//                     3600 (default: the configuration's 'interval', else 1); a
//                     poll takes up to 0.75 s per sensor, and one that overruns
//                     is followed by the next at once
//   --sysfs DIR       where the sensor folders are (default /sys/bus/w1/devices)
//   --once            write one line and exit
//   --list            show the sensors found, their columns and readings
//   --help            show a short help
//
// CONFIGURATION
//   One setting a line, '#' starts a comment:
//     1 28-0000075a1b2c      sensor id for column 1 (columns 1 to 5)
//     log /home/user/kolvar/temperatures.log   (relative: from the file's folder)
//     interval 1
//
// EXIT STATUS
//   0  stopped by SIGTERM, SIGINT or SIGHUP; --once wrote its line; another
//      copy already writes the log; --list or --help
//   1  the log or its lock file cannot be written at start (--once: the line)
//   2  a wrong option, or a configuration that cannot be read or is wrong
//
// A write that fails while running is reported on stderr and the logger goes
// on polling; the controller sees the log stall meanwhile.
#include <signal.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "logger/config.h"
#include "logger/instance_lock.h"
#include "logger/line_format.h"
#include "logger/log_append.h"
#include "logger/options.h"
#include "logger/poller.h"
#include "logger/sysfs_sensors.h"
#include "logger/usage_error.h"

namespace {

namespace fs = std::filesystem;
using namespace kolvar::logger;
using Steady = std::chrono::steady_clock;

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kDefaultIntervalSeconds = 1;

constexpr const char* kUsageLines =
    "usage: kolvar-logger [--config FILE] [--log FILE] [--interval SECONDS] [--once]\n"
    "       kolvar-logger --list [--config FILE]\n"
    "       kolvar-logger --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "Appends one line of up to five 1-Wire temperatures to the log Kolvar reads.\n"
    "\n"
    "  --config FILE       configuration (default ~/.config/kolvar/logger.conf)\n"
    "  --log FILE          the log (default: the configuration's 'log' line,\n"
    "                      else ~/.local/state/kolvar/temperatures.log)\n"
    "  --interval SECONDS  1 to 3600 (default: the configuration's 'interval', else 1)\n"
    "  --sysfs DIR         sensor folders (default /sys/bus/w1/devices)\n"
    "  --once              write one line and exit\n"
    "  --list              show the sensors found, their columns and readings\n"
    "  --help              this help\n"
    "  --version           the version\n"
    "\n"
    "Configuration, one setting a line ('#' starts a comment):\n"
    "  1 28-0000075a1b2c   sensor for column 1 (columns 1 to 5)\n"
    "  log FILE            the log (a relative path is taken from the file's folder)\n"
    "  interval SECONDS\n";

// $XDG_<variable> or ~/<fallback>, then the name.
fs::path user_path(const char* variable, const char* fallback, const char* name) {
  const char* xdg = std::getenv(variable);
  if (xdg != nullptr && *xdg == '/') return fs::path(xdg) / "kolvar" / name;
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    throw UsageError(std::string("HOME is not set, so there is no default ") + name +
                     "; give its path with an option");
  }
  return fs::path(home) / fallback / "kolvar" / name;
}

fs::path default_config() {
  return user_path("XDG_CONFIG_HOME", ".config", "logger.conf");
}

fs::path default_log() {
  return user_path("XDG_STATE_HOME", ".local/state", "temperatures.log");
}

TimeOfDay local_time_now() {
  const time_t now = ::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

int list_sensors(const Options& options) {
  std::optional<Config> config;
  const fs::path config_path = options.config.value_or(default_config());
  std::error_code ignored;
  if (options.config || fs::exists(config_path, ignored)) config = read_config(config_path);

  const std::vector<std::string> found = find_sensors(options.sysfs);
  if (found.empty()) {
    std::cout << "No sensors under " << options.sysfs.string()
              << " (are the w1-gpio and w1-therm kernel modules loaded?)\n";
  } else {
    std::cout << "Sensors under " << options.sysfs.string() << ":\n";
  }
  for (const std::string& id : found) {
    std::string column = "         ";
    for (int k = 0; config && k < kColumns; ++k) {
      if (config->sensor[k] == id) column = "column " + std::to_string(k + 1) + " ";
    }
    const Reading reading = read_sensor(options.sysfs, id);
    std::cout << "  " << id << "  " << column << " "
              << (reading.ok() ? temperature_text(reading.millidegrees) : describe(reading.fault))
              << '\n';
  }
  if (!config) {
    std::cout << "No configuration at " << config_path.string()
              << "; write one line per column there, e.g. '1 28-0000075a1b2c'.\n";
    return 0;
  }
  for (int k = 0; k < kColumns; ++k) {
    const std::string& id = config->sensor[k];
    if (id.empty() || std::find(found.begin(), found.end(), id) != found.end()) continue;
    std::cout << "  column " << k + 1 << " " << id << ": configured but not found\n";
  }
  return 0;
}

// Waits until `until` and tells whether a stop signal came first.
bool stop_signal_before(Steady::time_point until, const sigset_t& stop_signals) {
  for (;;) {
    const auto left = until - Steady::now();
    if (left <= Steady::duration::zero()) return false;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds);
    const timespec timeout{static_cast<time_t>(seconds.count()),
                           static_cast<long>(nanoseconds.count())};
    if (::sigtimedwait(&stop_signals, nullptr, &timeout) > 0) return true;
  }
}

int poll_until_stopped(Poller& poller, const fs::path& log, int interval_seconds) {
  // The stop signals are taken synchronously while waiting, so a poll in
  // progress always finishes its line.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGHUP);
  sigprocmask(SIG_BLOCK, &stop_signals, nullptr);

  const auto interval = std::chrono::seconds(interval_seconds);
  bool failing = false;
  auto due = Steady::now();
  for (;;) {
    const std::string line = poller.poll(local_time_now());
    try {
      append_line(log, line);
      if (failing) std::cerr << "kolvar-logger: writing " << log.string() << " again\n";
      failing = false;
    } catch (const std::system_error& error) {
      // Said once per outage: a journal full of the same line helps no one.
      if (!failing) std::cerr << "kolvar-logger: cannot write " << error.what() << '\n';
      failing = true;
    }
    due = std::max(due + interval, Steady::now());
    if (stop_signal_before(due, stop_signals)) break;
  }
  std::cerr << "kolvar-logger: stopped\n";
  return 0;
}

int log_temperatures(const Options& options) {
  const Config config = read_config(options.config.value_or(default_config()));
  const fs::path log = options.log ? *options.log : config.log ? *config.log : default_log();
  const int interval =
      options.interval_seconds.value_or(config.interval_seconds.value_or(kDefaultIntervalSeconds));

  try {
    if (log.has_parent_path()) fs::create_directories(log.parent_path());
    const std::optional<InstanceLock> lock = InstanceLock::try_take(lock_path_for(log));
    if (!lock) {
      const pid_t holder = InstanceLock::recorded_holder(lock_path_for(log));
      std::cerr << "kolvar-logger: another copy"
                << (holder > 0 ? " (pid " + std::to_string(holder) + ")" : std::string())
                << " is already writing " << log.string() << "; this one exits\n";
      return 0;
    }
    Poller poller(config.sensor, options.sysfs);
    if (options.once) {
      append_line(log, poller.poll(local_time_now()));
      return 0;
    }
    std::cerr << "kolvar-logger: writing " << log.string() << " every " << interval << " s\n";
    return poll_until_stopped(poller, log, interval);
  } catch (const std::system_error& error) {
    std::cerr << "kolvar-logger: cannot write the log: " << error.what() << '\n';
    return kFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = parse_options(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << kUsageLines << kHelp;
      return 0;
    }
    if (options.version) {
      std::cout << "kolvar-logger " << KOLVAR_VERSION << '\n';
      return 0;
    }
    return options.list ? list_sensors(options) : log_temperatures(options);
  } catch (const UsageError& error) {
    std::cerr << "kolvar-logger: " << error.what() << '\n'
              << kUsageLines << "(kolvar-logger --help tells more)\n";
    return kUsage;
  }
}
