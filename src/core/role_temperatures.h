#pragma once
// Turning the logger's last line into the role temperatures and its time stamp.
#include "core/log_line.h"
#include "form/controller.h"

namespace kolvar::core {

// The sensor column (1..5) a role reads: the first of columns 1 to 4 ticked
// in its menu array, else column 5 whether ticked or not.
int sensor_column(const form::Controller& c, int role);

// Each role that takes part shows its sensor's text; one that does not shows
// its own threshold, so it stays neutral in every comparison. `time_log2`
// gets the line's time stamp.
void set_role_temperatures(form::Controller& c, const LogFields& line);

}  // namespace kolvar::core
