#pragma once
// The take-off valve: two levels, the start pins (menu `ps`) and the stop pins
// (menu `pf`); each level holds until the other procedure runs.
#include "form/control.h"
#include "form/controller.h"

namespace kolvar::io {

inline constexpr form::Color kOpenColor{200, 255, 200};    // light green
inline constexpr form::Color kClosedColor{255, 200, 200};  // light red

// Opens the valve: title "СТАРТ", start pins high and stop pins low, port
// written, the panel told (as the Controller's valve news rule says) and
// coloured, `Klapan_status` "1". Does not look at the present state: a second
// call does it all again.
void vkl(form::Controller& c);

// Closes the valve: the mirror of vkl ("СТОП", "Клапан закрыт", "0").
void otkl(form::Controller& c);

}  // namespace kolvar::io
