#pragma once
// The control cycle's timers, and the take-off code's say in the valve's
// messages.
#include "form/controller.h"

namespace kolvar::core {
void register_cycle_handlers(form::Controller& c);     // Timer1
void register_vapour_handlers(form::Controller& c);    // Timer3, Timer4
void register_pwm_handlers(form::Controller& c);       // Timer8, Timer9
void register_cooldown_handlers(form::Controller& c);  // cooldown
void register_valve_news(form::Controller& c);         // what a valve switching tells the panel
}  // namespace kolvar::core
