#include "ui/handlers.h"

namespace kolvar::ui {

// Every area adds its handlers as it is built.
void register_handlers(Controller& controller) {
  core::register_cycle_handlers(controller);
  core::register_pwm_handlers(controller);
  settings::register_handlers(controller);
  register_valve_commands(controller);
  register_menu_handlers(controller);
}

}  // namespace kolvar::ui
