#pragma once
// How the column stands against its control thresholds: the dephlegmator
// (`T(1)` against `V(1)`) and the packing (`T(2)` against `V(2)`), thresholds
// in tenths of a degree. A row that takes no part (its label disabled) is
// neither over nor below: its label shows a threshold, which reads back as
// exactly that threshold only when its number format agrees with the reading
// rule (a decimal comma does not), so it is left out rather than trusted.
#include <string>

#include "form/controller.h"

namespace kolvar::core {

// Either controlling role strictly over its threshold.
bool column_over(const form::Controller& c);
// Either controlling role strictly over its threshold plus the tolerance `dopusk`.
bool column_far_above(const form::Controller& c);
// Either controlling role strictly below its threshold.
bool column_below(const form::Controller& c);

// The two role lines of liquid take-off and of the PWM reaction to
// temperature: "Дефлегматор " with "зашкалил" or "в норме", then "Насадка "
// with "зашкалила" or "в норме", each line ending in CR LF. Both roles are
// named whatever the control choice, each by its label as it stands.
std::string role_status_text(const form::Controller& c);

}  // namespace kolvar::core
