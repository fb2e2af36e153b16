#pragma once
// Turning the logger's last line into the role temperatures and its time stamp.
#include <string>

#include "core/log_line.h"
#include "form/controller.h"

namespace kolvar::core {

// The sensor column (1..5) a role reads: the first of columns 1 to 4 ticked
// in its menu array, else column 5 whether ticked or not.
int sensor_column(const form::Controller& c, int role);

// Each role that takes part reads its sensor's text; one that does not reads
// its own threshold's caption, so it stays neutral in every comparison. The
// labels T(1..4) and `time_log2` hold them; the column's state reads its
// numbers from there.
void set_role_temperatures(form::Controller& c, const LogFields& line);

// Role r reads this text: T(r) shows it and every decision reads it there.
void set_role_reading(form::Controller& c, int role, std::string text);

}  // namespace kolvar::core
