#pragma once
// Cooling of the coil: the pins of menu `zm`, switched alike.
#include "ui/controller.h"

namespace kolvar::io {

// Coil-cooling pins high, then the port written.
void vkl2(ui::Controller& c);
// Coil-cooling pins low, then the port written.
void otkl2(ui::Controller& c);

}  // namespace kolvar::io
