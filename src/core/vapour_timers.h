#pragma once
// The two timers of vapour take-off: the delay `Timer3` (armed by the
// automatic step, see delay_timer.h) and the cooling pulse `Timer4` that
// follows it. Each handler runs when its timer fires; a failure ends the tick
// where it happens and goes to the caller (the event loop).
#include "form/controller.h"

namespace kolvar::core {

// Vapour pause: with no whole minutes left (the minute count) the valve
// opens, Timer4 starts the cooling pulse and Timer3 stops; otherwise one
// minute is counted off and Timer3 waits another 60000 ms.
void Timer3_Timer(form::Controller& c);

// End of a cooling pulse: the valve closes, `time3_S` shows the pause in
// seconds and the panel says for how long cooling is off; Timer4 off.
// While the system is stopped the panel keeps the stop message.
void Timer4_Timer(form::Controller& c);

}  // namespace kolvar::core
