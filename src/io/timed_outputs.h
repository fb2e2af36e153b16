#pragma once
// The handlers of the one-shot timers that end or sequence outputs. Each runs
// when its timer fires; a failure ends the tick where it happens and goes to
// the caller (the event loop), the remaining steps are not made.
#include <string_view>

#include "form/controller.h"

namespace kolvar::io {

// The first line of the panel after a system stop; the reason follows it.
inline constexpr std::string_view kStoppedHeading = "СИСТЕМА ОСТАНОВЛЕНА";

// End of the indicator flash: Shape1 back to the menu colour, Timer2 off,
// eleven spaces put in front of the window title.
void Timer2_Timer(form::Controller& c);

// Vapour pause: with no whole minutes left (the tag) the valve opens, Timer4
// starts the cooling pulse and Timer3 stops; otherwise one minute is counted
// off and Timer3 waits another 60000 ms.
void Timer3_Timer(form::Controller& c);

// End of a cooling pulse: the valve closes, `time3_S` shows the pause in
// seconds and the panel says for how long cooling is off; Timer4 off. While
// the system is stopped the panel keeps the stop message instead.
void Timer4_Timer(form::Controller& c);

// End of a lift movement up (Timer5, `lu` pins) or down (Timer6, `ld` pins).
void Timer5_Timer(form::Controller& c);
void Timer6_Timer(form::Controller& c);

// End of a working-signal pulse: the `puls` pins low, Timer7 off, port written.
void Timer7_Timer(form::Controller& c);

}  // namespace kolvar::io
