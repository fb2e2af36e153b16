#pragma once
// Which rows of the temperature table take part, from the settings. A row's
// name label, temperature label, threshold label and threshold scroll bar
// are enabled or greyed alike; the cycle leaves a greyed role out.
#include "form/controller.h"

namespace kolvar::settings {

// Dephlegmator and packing rows, from the control choice `opstop`: each is
// enabled unless the other one alone controls the take-off.
void enable_control_rows(form::Controller& c);

// Tank and cooler rows: enabled when a sensor is chosen for the role
// (`kub`, `kul`), greyed when none is.
void enable_sensor_rows(form::Controller& c);

}  // namespace kolvar::settings
