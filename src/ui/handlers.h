#pragma once
// The operator's side wires its own handlers, then every area's, into the
// controller.
#include "form/controller.h"

namespace kolvar::ui {
void register_valve_commands(form::Controller& c);  // Start, stp, Auto, start-up
void register_menu_handlers(form::Controller& c);   // configuration menus and operator commands
// Wires every handler of every area into the controller.
void register_handlers(form::Controller& c);
}  // namespace kolvar::ui
