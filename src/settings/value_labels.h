#pragma once
// What the window derives from a scroll bar's value: the label beside it,
// and the working-signal pulse from the cycle period.
#include "form/controller.h"

namespace kolvar::settings {

// The value label of `hot`, `dopusk`, `temp_shim1_scr`, `temp_shim2_scr`
// (tenths shown in degrees in the user's number format), `kalibr_kolonni_scr`
// or `manual_otb` (whole numbers).
void show_value(form::Controller& c, form::Name bar);

// `pulse_time`: half the cycle period, in ms.
void derive_pulse_time(form::Controller& c);

}  // namespace kolvar::settings
