#pragma once
// The Qt side of the real-time driver: one wake-up armed in the event loop
// for the earliest due timer, on the monotonic clock, and nothing while no
// timer runs. No polling: an idle window costs nothing between wake-ups.
#include <QSocketNotifier>
#include <chrono>
#include <functional>
#include <memory>

#include "form/real_time_driver.h"
#include "platform/time/monotonic_alarm.h"

namespace kolvar::view {

class RealTimeLoop {
 public:
  using At = std::function<std::chrono::steady_clock::time_point(platform::Millis)>;

  // at converts the clock's milliseconds to steady_clock moments; after_run
  // is told after each run of the timers.
  RealTimeLoop(form::RealTimeDriver& driver, At at, std::function<void()> after_run);
  ~RealTimeLoop();
  RealTimeLoop(const RealTimeLoop&) = delete;
  RealTimeLoop& operator=(const RealTimeLoop&) = delete;

  // Arms the wake-up for the driver's next due time (or disarms it). Call
  // after anything that may have switched a timer or changed an interval.
  void rearm();

 private:
  void wake();

  form::RealTimeDriver& driver_;
  At at_;
  std::function<void()> after_run_;
  bool running_ = false;
  // The platform's alarm wakes at an exact moment of the clock steady_clock
  // reads; Qt's own timers round to milliseconds from the moment they are
  // started, which would add up to a millisecond to every edge.
  platform::MonotonicAlarm alarm_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kolvar::view
