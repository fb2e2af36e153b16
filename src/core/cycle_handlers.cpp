#include "core/control_cycle.h"
#include "ui/handlers.h"

namespace kolvar::core {

void register_cycle_handlers(ui::Controller& c) {
  c.on_timer("Timer1", ControlCycle);
}

}  // namespace kolvar::core
