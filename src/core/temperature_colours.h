#pragma once
// The dephlegmator and packing readings coloured against their control
// thresholds, so the operator sees at a glance which one is over.
#include "form/control.h"
#include "form/controller.h"

namespace kolvar::core {

inline constexpr form::Color kOverBack{255, 200, 200};
inline constexpr form::Color kOverText{100, 0, 0};
inline constexpr form::Color kNormalBack{200, 255, 200};
inline constexpr form::Color kNormalText{0, 100, 0};

// T(1) against V(1) and T(2) against V(2): pink above, green at or below.
// A disabled row shows its threshold and so comes out green.
void colour_control_temperatures(form::Controller& c);

}  // namespace kolvar::core
