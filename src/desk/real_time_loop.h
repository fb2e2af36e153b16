#pragma once
// The timers on real time: one wake-up armed on the platform's alarm for the
// earliest due timer, on the monotonic clock, and nothing while no timer
// runs. A toolkit's event loop only watches handle() and calls wake() when
// it is ready, so nothing polls and an idle window costs nothing between
// wake-ups. (A toolkit's own timers round to milliseconds from the moment
// they start, which would add up to a millisecond to every edge.)
#include <chrono>
#include <functional>

#include "form/real_time_driver.h"
#include "platform/time/monotonic_alarm.h"

namespace kolvar::desk {

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
  // What the event loop waits on, and what it calls once that is ready.
  platform::WaitHandle handle() const { return alarm_.handle(); }
  void wake();

 private:
  form::RealTimeDriver& driver_;
  At at_;
  std::function<void()> after_run_;
  bool running_ = false;
  platform::MonotonicAlarm alarm_;
};

}  // namespace kolvar::desk
