#pragma once
// The vapour delay on `Timer3`, whose interval holds at most 65535 ms: a
// delay longer than a minute is held as whole minutes in the timer's tag (the
// minute count) plus a first interval of 1 to 60000 ms; the timer counts the
// minutes off one 60000 ms interval at a time.
#include "form/controller.h"

namespace kolvar::core {

struct DelaySplit {
  long long minutes;   // the minute count
  long long interval;  // the first interval, ms
  bool operator==(const DelaySplit&) const = default;
};

// minutes × 60000 + interval = the delay (to the whole millisecond, halves
// to even). A delay that is negative, not a number, or too long to count in
// whole minutes is a failure naming it.
DelaySplit split_delay(double delay_ms);

// Sets the interval and the minute count of `Timer3` for the delay; does not
// switch it on. Nothing is changed when the delay fails.
void arm_delay_timer(form::Controller& c, double delay_ms);

}  // namespace kolvar::core
