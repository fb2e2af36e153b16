#include "view/real_time_loop.h"

#include <cstdio>
#include <stdexcept>

namespace kolvar::view {

RealTimeLoop::RealTimeLoop(form::RealTimeDriver& driver, At at, std::function<void()> after_run)
    : driver_(driver),
      at_(std::move(at)),
      after_run_(std::move(after_run)),
      notifier_(std::make_unique<QSocketNotifier>(alarm_.handle(), QSocketNotifier::Read)) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { wake(); });
}

RealTimeLoop::~RealTimeLoop() {
  // Quiet before the alarm's handle goes.
  notifier_.reset();
}

void RealTimeLoop::rearm() {
  if (running_) return;  // the run rearms when it ends
  if (auto due = driver_.next_due())
    alarm_.arm(at_(*due));
  else
    alarm_.disarm();
}

void RealTimeLoop::wake() {
  alarm_.take();
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
