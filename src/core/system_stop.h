#pragma once
#include "ui/controller.h"

namespace kolvar::core {

// Brings the outputs into the stopped state, stops the cycle and shows
// "СИСТЕМА ОСТАНОВЛЕНА" with the reason the caller put in `StopReason`.
void system_stop(ui::Controller& c);

}  // namespace kolvar::core
