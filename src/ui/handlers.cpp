#include "ui/handlers.h"

#include "core/handlers.h"
#include "io/timed_outputs.h"
#include "settings/handlers.h"

namespace kolvar::ui {

// Every area adds its handlers as it is built.
void register_handlers(form::Controller& controller) {
  controller.on_timer(ctl::Timer2, io::Timer2_Timer);
  controller.on_timer(ctl::Timer5, io::Timer5_Timer);
  controller.on_timer(ctl::Timer6, io::Timer6_Timer);
  controller.on_timer(ctl::Timer7, io::Timer7_Timer);
  core::register_cycle_handlers(controller);
  core::register_vapour_handlers(controller);
  core::register_pwm_handlers(controller);
  core::register_cooldown_handlers(controller);
  core::register_valve_news(controller);
  settings::register_handlers(controller);
  register_valve_commands(controller);
  register_menu_handlers(controller);
}

}  // namespace kolvar::ui
