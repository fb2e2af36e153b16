#pragma once
// A clock that stands still until told to move: the time of a simulated run,
// a scenario script and a test, each of which sets its own pace.
#include "platform/time/clock.h"

namespace kolvar::platform {

class ManualClock : public Clock {
 public:
  explicit ManualClock(Millis start = 0) : now_(start) {}
  Millis now() const override { return now_; }
  void set(Millis now) { now_ = now; }
  void advance(Millis by) { now_ += by; }

 private:
  Millis now_;
};

}  // namespace kolvar::platform
