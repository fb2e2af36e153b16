#pragma once
// One wake-up at an exact moment of the monotonic clock (the one
// std::chrono::steady_clock reads), for the event loop that runs the timers
// on real time. The loop watches handle(); armed for a moment already past,
// the alarm goes off at once. Linux: a timerfd, so no millisecond rounding of
// a toolkit's own timers is added to every edge. Windows: a high-resolution
// waitable timer.
#include <chrono>

#include "platform/time/wait_handle.h"

namespace kolvar::platform {

class MonotonicAlarm {
 public:
  // Throws std::system_error when the system has no alarm to give.
  MonotonicAlarm();
  ~MonotonicAlarm();
  MonotonicAlarm(const MonotonicAlarm&) = delete;
  MonotonicAlarm& operator=(const MonotonicAlarm&) = delete;

  // Goes off once at the moment; a later arm or disarm replaces it.
  void arm(std::chrono::steady_clock::time_point at);
  void disarm();
  // For the loop once the handle is ready: quiets the handle until the alarm
  // goes off again. True when it had gone off.
  bool take();

  WaitHandle handle() const { return handle_; }

 private:
  WaitHandle handle_;
};

}  // namespace kolvar::platform
