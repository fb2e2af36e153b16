#pragma once
#include "form/form.h"

namespace kolvar::form {

// Declares every control of the window in its initial state: names, indices,
// captions and texts, ranges, check marks, tool tips, tags, timers, frames and
// the menu tree; a persisted setting as the settings table (setting_table.h)
// declares it. No handler runs here.
void build_window(Form& form);

// The edition note that follows the date in the version caption.
std::string version_caption();

}  // namespace kolvar::form
