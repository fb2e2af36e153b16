#pragma once
// What the message panel keeps of a valve switching, by take-off type.
#include "form/controller.h"

namespace kolvar::core {

// Width-modulated take-off writes its own phase messages (Silent); vapour
// take-off in automatic mode keeps only the valve state (Replace); every
// other mode keeps a running log of switchings (Append).
form::ValveNews valve_news(const form::Controller& c);

}  // namespace kolvar::core
