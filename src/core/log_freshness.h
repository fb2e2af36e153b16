#pragma once
// Whether the logger is still writing: a line is stale when its time stamp
// is the previous cycle's or a role that takes part reads 0.
#include "form/controller.h"

namespace kolvar::core {

// Counts a stale line in `time_error`; a fresh one sets the count and the
// restart mark back to 0. `time_log1` then keeps this cycle's stamp. A count
// that holds no whole number is a failure.
void check_freshness(form::Controller& c);

}  // namespace kolvar::core
