#pragma once
// The take-off type, as the three items of the "otbor" menu choose it.
#include "form/controller.h"

namespace kolvar::form {

// A run record names the types by their place in this order: keep it.
enum class Takeoff { None, Liquid, Vapour, Pwm };

// The type ticked: `liquid` "Жидклсть", `par` "Пар" or `SHIM`
// "Широтно-импульсное управление". The menu ticks one at most; should program
// code or a script have ticked several, the first in the menu's order counts,
// the same for every reader.
Takeoff takeoff_type(const Controller& c);

}  // namespace kolvar::form
