#pragma once
// Giving the settings file's values to the controls.
#include "form/controller.h"
#include "platform/files/settings_file.h"

namespace kolvar::settings {

// Applies lines 2 to 114 from a reader that has passed line 1, tolerantly: a
// line that is missing, does not convert or is refused by its control (a
// scroll value out of range, a check-box value other than 0 or 1) leaves
// that control as it was, and no message names it. A scroll bar given a new
// value raises its change reaction; one that fails only ends that line.
// Once the line of `Interval` (74) is reached the cycle period is `Interval`
// seconds, whether or not the line converted; the timer's running state is
// not touched.
void apply_settings(form::Controller& c, platform::SettingsFile::Reader& reader);

}  // namespace kolvar::settings
