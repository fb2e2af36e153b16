#pragma once
// The last stage of every cycle: stops the system on overheating, at the end
// of the process, when the cooler stays too hot, or in an emergency, and
// switches the coil cooling by the cooler outlet temperature.
#include "form/controller.h"

namespace kolvar::core {

enum class Protection { Running, Stopped };

// Stopped when a check stopped the system; the cycle then ends. The
// emergency checks run on after a stop, so every role over the limit stops
// the system once and the last one's reason stays on screen.
Protection protective_step(form::Controller& c);

}  // namespace kolvar::core
