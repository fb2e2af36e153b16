#include "core/pwm_phases.h"
#include "ui/handlers.h"

namespace kolvar::core {

void register_pwm_handlers(ui::Controller& c) {
  c.on_timer("Timer8", Timer8_Timer);
  c.on_timer("Timer9", Timer9_Timer);
}

}  // namespace kolvar::core
