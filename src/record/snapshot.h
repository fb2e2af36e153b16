#pragma once
// Everything the record reads from the controller, in one place.
#include <string>
#include <vector>

#include "form/controller.h"
#include "form/form.h"
#include "record/sample.h"

namespace kolvar::record {

// The column's state now, with what the window shows; the times are the
// caller's to fill in.
Sample take_sample(const form::Controller& c);

// The 114 lines of the settings file as the controls hold them now, in UTF-8.
std::vector<std::string> settings_in_force(const form::Form& form);

// Whether the control cycle's timer runs.
bool cycle_running(const form::Form& form);
bool is_cycle_timer(const form::Control& control);
bool is_start_command(const form::Control& control);

}  // namespace kolvar::record
