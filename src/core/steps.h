#pragma once
#include <string_view>

#include "form/controller.h"

namespace kolvar::core {

// A take-off step, `step_up` or `step_d`: milliseconds of the vapour delay or
// thousandths of a percent of the PWM share, read as the numeric value of its
// text. A step below 0 would turn the regulation round (a hot column taking
// off more) and one beyond form::kLargestHeldNumber cannot be added exactly:
// either is a failure naming the setting.
double step_setting(const form::Controller& c, form::Name name);

}  // namespace kolvar::core
