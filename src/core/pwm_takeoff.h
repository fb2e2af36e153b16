#pragma once
// Width-modulated take-off, the automatic step of its section: the share
// `otb` is set by hand (optionally following the tank temperature, optionally
// held back while the column is over its threshold), or regulated by the
// column temperature, and a new period of the two phases is armed.
#include "core/cycle_steps.h"

namespace kolvar::core {

// The manual share (`manual_otb`, whole percent). Ends the cycle when the tank
// line cannot be followed and the system was stopped.
Flow pwm_manual_share(form::Controller& c);

// The share stepped by the column temperature: down by `step_d` over the
// threshold (stopped outright beyond the tolerance `dopusk`), up by `step_up`
// below it and in every tenth stable cycle, each change through the waiting
// option.
void pwm_automatic_share(form::Controller& c);

}  // namespace kolvar::core
