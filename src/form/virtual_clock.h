#pragma once
// Virtual time for tests, the scenario runner and the simulator's fast mode.
#include <vector>

#include "platform/time/clock.h"
#include "platform/time/manual_clock.h"

namespace kolvar::form {

class Control;

// Virtual time is a clock set by hand: the driver moves it from one due timer
// to the next.
using VirtualClock = platform::ManualClock;

// The running timer due first at or before `until`: earliest due time, ties
// in the order given (the form's order). Null when none is due. Interval 0
// never fires.
Control* next_due_timer(const std::vector<Control*>& timers, platform::Millis until);

}  // namespace kolvar::form
