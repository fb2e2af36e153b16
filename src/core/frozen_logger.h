#pragma once
// A logger that goes on stamping lines but repeats its last readings: no
// column holds every sensor to the last digit for a quarter of an hour while
// its pot heats, so such lines are not taken as fresh.
#include "form/controller.h"
#include "platform/time/clock.h"

namespace kolvar::core {

inline constexpr platform::Millis kFrozenAfterMs = 15 * 60 * 1000;

// Notes what the roles that take part read now; true when none of them has
// moved for kFrozenAfterMs or longer. A change of which roles take part
// counts as a move. With no role taking part nothing can freeze.
bool readings_frozen(form::Controller& c);

}  // namespace kolvar::core
