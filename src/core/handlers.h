#pragma once
// The control cycle's timers.
#include "form/controller.h"

namespace kolvar::core {
void register_cycle_handlers(form::Controller& c);  // Timer1
void register_pwm_handlers(form::Controller& c);    // Timer8, Timer9
}  // namespace kolvar::core
