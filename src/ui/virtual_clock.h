#pragma once
// Virtual time for tests, the scenario runner and the simulator's fast mode.
#include <vector>

#include "platform/clock.h"

namespace kolvar::ui {

class Control;

class VirtualClock : public platform::Clock {
 public:
  platform::Millis now() const override { return now_; }
  void set(platform::Millis now) { now_ = now; }

 private:
  platform::Millis now_ = 0;
};

// The running timer due first at or before `until`: earliest due time, ties
// in the order given (the form's order). Null when none is due. Interval 0
// never fires.
Control* next_due_timer(const std::vector<Control*>& timers, platform::Millis until);

}  // namespace kolvar::ui
