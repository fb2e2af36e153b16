#pragma once
// The first thing each cycle does: flash the indicator and raise the
// working-signal pins, so outside equipment can tell the controller is alive.
#include "form/controller.h"

namespace kolvar::core {

// The indicator turns red until Timer2 ends the flash. The `puls` pins go
// high: with the pulsing signal they reach the port with the cycle's next
// write and Timer7 lowers them after `pulse_time`; with the constant signal
// the port is written at once.
void working_signal(form::Controller& c);

// The pulse length in ms: `pulse_time` to the nearest whole millisecond.
// A text that is no number, or a length the timer cannot run, gives half the
// cycle period (`Interval` × 500), which `pulse_time` is normally derived
// from, so raised pins are always lowered again.
int pulse_length(const form::Controller& c);

}  // namespace kolvar::core
