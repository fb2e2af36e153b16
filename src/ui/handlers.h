#pragma once
// Each area wires its own handlers into the controller.
#include "ui/controller.h"

namespace kolvar::core {
void register_cycle_handlers(ui::Controller& c);  // Timer1
void register_pwm_handlers(ui::Controller& c);    // Timer8, Timer9
}  // namespace kolvar::core

namespace kolvar::settings {
void register_handlers(ui::Controller& c);  // start-up, OK, OK_set, OK2, Def_button
}  // namespace kolvar::settings

namespace kolvar::ui {
void register_valve_commands(Controller& c);  // Start, stp, Auto
void register_menu_handlers(Controller& c);   // configuration menus and operator commands
}  // namespace kolvar::ui
