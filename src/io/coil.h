#pragma once
// Cooling of the coil: the pins of menu `zm`, switched alike.
#include "form/controller.h"

namespace kolvar::io {

// Coil-cooling pins high, then the port written.
void vkl2(form::Controller& c);
// Coil-cooling pins low, then the port written.
void otkl2(form::Controller& c);

}  // namespace kolvar::io
