#pragma once
// Whether the logger is still writing: a line is stale when its time stamp
// is the previous cycle's or a role that takes part is in read error; a
// cycle that could not read the log at all is stale too.
#include "form/controller.h"

namespace kolvar::core {

// Counts a stale line in `time_error`; a fresh one sets the count and the
// restart mark back to 0. `time_log1` then keeps this cycle's stamp. A count
// that holds no whole number is a failure.
void check_freshness(form::Controller& c);

// A cycle that found no line to read (the log missing, a folder, unreadable,
// a last line too long to be one): counted as a stale line, so that a
// logger that moved its log or a share that dropped ends in the stall path
// rather than leaving the column to run on the last readings for ever.
void count_unread_log(form::Controller& c);

}  // namespace kolvar::core
