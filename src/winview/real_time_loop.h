#pragma once
// The Win32 side of the real-time driver: one wake-up armed on the platform's
// alarm for the earliest due timer, on the monotonic clock, and nothing while
// no timer runs. The message loop waits on the alarm's handle with the
// windows' messages, so nothing polls.
#include <chrono>
#include <functional>

#include "form/real_time_driver.h"
#include "platform/time/monotonic_alarm.h"
#include "winview/message_loop.h"

namespace kolvar::winview {

class RealTimeLoop {
 public:
  using At = std::function<std::chrono::steady_clock::time_point(platform::Millis)>;

  // at converts the clock's milliseconds to steady_clock moments; after_run
  // is told after each run of the timers.
  RealTimeLoop(form::RealTimeDriver& driver, At at, std::function<void()> after_run);
  RealTimeLoop(const RealTimeLoop&) = delete;
  RealTimeLoop& operator=(const RealTimeLoop&) = delete;

  // Arms the wake-up for the driver's next due time (or disarms it). Call
  // after anything that may have switched a timer or changed an interval.
  void rearm();
  // For the message loop: the alarm's handle and the run of the due timers.
  Watch watch();

 private:
  void wake();

  form::RealTimeDriver& driver_;
  At at_;
  std::function<void()> after_run_;
  bool running_ = false;
  platform::MonotonicAlarm alarm_;
};

}  // namespace kolvar::winview
