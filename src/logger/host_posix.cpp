#include "logger/host.h"

#include <signal.h>
#include <time.h>

#include <cstdlib>
#include <string>

#include "logger/usage_error.h"

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

TimeOfDay local_time_of_day() {
  const time_t now = ::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

fs::path default_config_path() {
  return user_path("XDG_CONFIG_HOME", ".config", "logger.conf");
}

fs::path default_log_path() {
  return user_path("XDG_STATE_HOME", ".local/state", "temperatures.log");
}

// The stop signals stay blocked and are taken synchronously while waiting,
// so none arrives in the middle of a write.
struct StopRequests::State {
  sigset_t signals;
  sigset_t previous;
};

StopRequests::StopRequests() : state_(std::make_unique<State>()) {
  sigemptyset(&state_->signals);
  sigaddset(&state_->signals, SIGTERM);
  sigaddset(&state_->signals, SIGINT);
  sigaddset(&state_->signals, SIGHUP);
  sigprocmask(SIG_BLOCK, &state_->signals, &state_->previous);
}

StopRequests::~StopRequests() {
  sigprocmask(SIG_SETMASK, &state_->previous, nullptr);
}

bool StopRequests::wait(int wait_ms) {
  const timespec timeout{static_cast<time_t>(wait_ms / 1000),
                         static_cast<long>(wait_ms % 1000) * 1000000L};
  // An interruption by another signal ends the wait early; the caller's
  // loop simply waits again for what is left.
  return ::sigtimedwait(&state_->signals, nullptr, &timeout) > 0;
}

}  // namespace kolvar::logger
