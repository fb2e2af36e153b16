#pragma once
// The take-off regulation steps that the control cycle calls, and how the
// cycle goes on after each.
#include "form/controller.h"

namespace kolvar::core {

enum class Flow {
  Next,                  // on with the next stage
  ToStalledLoggerCheck,  // skip the rest of the take-off stages
  EndCycle,              // the system was stopped: nothing more this cycle
};

// Liquid take-off, automatic step; the cycle goes on with the vapour section.
Flow liquid_auto_step(form::Controller& c);
// Vapour take-off, automatic step, with the working delay in ms that the
// section read from `time3` before its opening; Next goes on with the
// stable-count wrap.
Flow vapour_auto_step(form::Controller& c, double delay);
// The stable-count wrap between the vapour and the PWM sections.
void stable_count_wrap(form::Controller& c);
// PWM take-off, automatic step.
Flow pwm_auto_step(form::Controller& c);

}  // namespace kolvar::core
