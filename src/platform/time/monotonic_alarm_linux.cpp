#include "platform/time/monotonic_alarm.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace kolvar::platform {

namespace {

int fd_of(WaitHandle handle) {
  return static_cast<int>(handle);
}

void set(WaitHandle handle, const itimerspec& when) {
  if (timerfd_settime(fd_of(handle), TFD_TIMER_ABSTIME, &when, nullptr) != 0)
    throw std::system_error(errno, std::generic_category(), "timerfd_settime");
}

}  // namespace

MonotonicAlarm::MonotonicAlarm() {
  // CLOCK_MONOTONIC is what steady_clock reads on Linux.
  const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), "timerfd_create");
  handle_ = fd;
}

MonotonicAlarm::~MonotonicAlarm() {
  ::close(fd_of(handle_));
}

void MonotonicAlarm::arm(std::chrono::steady_clock::time_point at) {
  const auto ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
  itimerspec when{};
  if (ns > 0) {
    when.it_value.tv_sec = ns / 1000000000;
    when.it_value.tv_nsec = ns % 1000000000;
  } else {
    // A zero time would disarm; the earliest moment there is means "now".
    when.it_value.tv_nsec = 1;
  }
  set(handle_, when);
}

void MonotonicAlarm::disarm() {
  set(handle_, itimerspec{});
}

bool MonotonicAlarm::take() {
  std::uint64_t expirations = 0;
  return ::read(fd_of(handle_), &expirations, sizeof expirations) ==
         static_cast<ssize_t>(sizeof expirations);
}

}  // namespace kolvar::platform
