#include "core/handlers.h"
#include "core/pwm_phases.h"

namespace kolvar::core {

void register_pwm_handlers(form::Controller& c) {
  c.on_timer(ctl::Timer8, Timer8_Timer);
  c.on_timer(ctl::Timer9, Timer9_Timer);
}

}  // namespace kolvar::core
