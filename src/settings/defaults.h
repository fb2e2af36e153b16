#pragma once
// "По умолчанию" of the settings panel.
#include "form/controller.h"

namespace kolvar::settings {

// Restores the settings that the settings table marks as restored (those of
// the settings panel) and the run-state counters that start from them.
// Paths, menus, thresholds, the cycle period and the tolerance stay as they
// are. Nothing is saved: the values reach the file with the next save.
void Def_button_Click(form::Controller& c);

}  // namespace kolvar::settings
