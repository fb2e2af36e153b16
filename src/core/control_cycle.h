#pragma once
// One tick of the cycle timer Timer1: read the temperatures, regulate the
// take-off, watch the logger and protect the column.
#include "form/controller.h"

namespace kolvar::core {

// Runs the cycle's stages in order. From the reading of the log on, the
// first failure of a cycle is shown in `News` and the cycle goes on with
// the stalled-logger check and the protective step; a second failure in the
// same cycle is shown the same way and ends the cycle.
void ControlCycle(form::Controller& c);

}  // namespace kolvar::core
