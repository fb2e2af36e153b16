#include "core/handlers.h"
#include "core/vapour_timers.h"

namespace kolvar::core {

void register_vapour_handlers(form::Controller& c) {
  c.on_timer(ctl::Timer3, Timer3_Timer);
  c.on_timer(ctl::Timer4, Timer4_Timer);
}

}  // namespace kolvar::core
