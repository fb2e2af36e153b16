#pragma once
// The handlers of the one-shot timers that end or sequence outputs. Each runs
// when its timer fires; a failure ends the tick where it happens and goes to
// the caller (the event loop), the remaining steps are not made.
#include "form/controller.h"

namespace kolvar::io {

// End of the indicator flash: Shape1 back to the menu colour, Timer2 off,
// eleven spaces put in front of the window title.
void Timer2_Timer(form::Controller& c);

// End of a lift movement up (Timer5, `lu` pins) or down (Timer6, `ld` pins).
void Timer5_Timer(form::Controller& c);
void Timer6_Timer(form::Controller& c);

// End of a working-signal pulse: the `puls` pins low, Timer7 off, port written.
void Timer7_Timer(form::Controller& c);

}  // namespace kolvar::io
