#pragma once
// What the logger asks of the system it runs on, and nothing more: the
// local time of day for the line's stamp, where its files are by default,
// and the stop requests that end the wait between lines. One implementation
// per system (host_posix.cpp, host_windows.cpp); the loop above them
// (logger_program.h) is the same everywhere. The one-copy lock beside the
// log is instance_lock.h, the append of a line log_append.h, each with its
// own per-system source.
#include <filesystem>
#include <memory>

#include "logger/line_format.h"

namespace kolvar::logger {

// The wall clock as the operator reads it on the log.
TimeOfDay local_time_of_day();

// The configuration read when --config is not given: on POSIX
// $XDG_CONFIG_HOME/kolvar/logger.conf (~/.config/kolvar/logger.conf); on
// Windows Documents\Kolvar\logger.conf. Throws UsageError when the system
// gives no place for it (no HOME), naming the option that does.
std::filesystem::path default_config_path();

// The log written when neither --log nor the configuration names one: on
// POSIX $XDG_STATE_HOME/kolvar/temperatures.log
// (~/.local/state/kolvar/temperatures.log); on Windows
// Documents\Kolvar\temperatures.log. Throws UsageError as above.
std::filesystem::path default_log_path();

// Requests from outside to stop: SIGTERM, SIGINT and SIGHUP on POSIX;
// Ctrl+C, Ctrl+Break and the console closed on Windows. While an object
// lives they only end a wait, so a line being written is always finished.
class StopRequests {
 public:
  StopRequests();
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

  // Waits at most `wait_ms` (0: only looks) and tells whether a stop was
  // requested, now or since the last call.
  bool wait(int wait_ms);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kolvar::logger
