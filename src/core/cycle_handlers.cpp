#include "core/control_cycle.h"
#include "core/handlers.h"

namespace kolvar::core {

void register_cycle_handlers(form::Controller& c) {
  c.on_timer(ctl::Timer1, ControlCycle);
}

}  // namespace kolvar::core
