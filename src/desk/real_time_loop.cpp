#include "desk/real_time_loop.h"

#include <cstdio>
#include <stdexcept>

namespace kolvar::desk {

RealTimeLoop::RealTimeLoop(form::RealTimeDriver& driver, At at, std::function<void()> after_run)
    : driver_(driver), at_(std::move(at)), after_run_(std::move(after_run)) {}

void RealTimeLoop::rearm() {
  if (running_) return;  // the run rearms when it ends
  if (auto due = driver_.next_due())
    alarm_.arm(at_(*due));
  else
    alarm_.disarm();
}

void RealTimeLoop::wake() {
  // An event loop may have taken the alarm's signal already; this takes one
  // that came meanwhile.
  alarm_.take();
  running_ = true;
  try {
    driver_.run_due();
  } catch (const std::exception& error) {
    // Handlers' failures are the controller's to show; anything else must
    // not cross the toolkit's event loop, and the timers must go on.
    std::fprintf(stderr, "kolvar: %s\n", error.what());
  }
  running_ = false;
  rearm();
  if (after_run_) after_run_();
}

}  // namespace kolvar::desk
