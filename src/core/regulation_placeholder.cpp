// Stand-ins until the take-off regulation is built: no automatic step acts.
#include "core/cycle_steps.h"

namespace kolvar::core {

Flow liquid_auto_step(ui::Controller&) { return Flow::Next; }
Flow vapour_auto_step(ui::Controller&, double) { return Flow::Next; }
void stable_count_wrap(ui::Controller&) {}
Flow pwm_auto_step(ui::Controller&) { return Flow::Next; }

}  // namespace kolvar::core
