#include "view/real_time_loop.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <system_error>

namespace kolvar::view {

RealTimeLoop::RealTimeLoop(form::RealTimeDriver& driver, At at, std::function<void()> after_run)
    : driver_(driver), at_(std::move(at)), after_run_(std::move(after_run)) {
  fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "timerfd_create");
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { wake(); });
}

RealTimeLoop::~RealTimeLoop() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void RealTimeLoop::rearm() {
  if (running_) return;  // the run rearms when it ends
  itimerspec when{};
  if (auto due = driver_.next_due()) {
    const auto since_epoch = at_(*due).time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(since_epoch).count();
    when.it_value.tv_sec = ns / 1000000000;
    when.it_value.tv_nsec = ns % 1000000000;
    // A zero time would disarm; the earliest moment there is means "now".
    if (when.it_value.tv_sec == 0 && when.it_value.tv_nsec == 0) when.it_value.tv_nsec = 1;
  }
  timerfd_settime(fd_, TFD_TIMER_ABSTIME, &when, nullptr);
}

void RealTimeLoop::wake() {
  std::uint64_t expirations = 0;
  [[maybe_unused]] ssize_t n = ::read(fd_, &expirations, sizeof expirations);
  running_ = true;
  try {
    driver_.run_due();
  } catch (const std::exception& error) {
    // Handlers' failures are the controller's to show; anything else must
    // not cross Qt's event loop, and the timers must go on.
    std::fprintf(stderr, "kolvar: %s\n", error.what());
  }
  running_ = false;
  rearm();
  if (after_run_) after_run_();
}

}  // namespace kolvar::view
