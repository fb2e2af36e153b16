#pragma once
// The settings area's handlers: the window's creation and the "Применить"
// buttons of the settings panels.
#include "form/controller.h"

namespace kolvar::settings {
void register_handlers(form::Controller& c);  // Form_Initialize, OK, OK_set, OK2, Def_button
}  // namespace kolvar::settings
