#include "core/pwm_takeoff.h"

#include "core/pwm_phases.h"

namespace kolvar::core {

Flow pwm_auto_step(form::Controller& c) {
  end_previous_open_phase(c);
  if (c.c(ctl::manual_otb_Ch).value() == 1 && c.c(ctl::manual_otb_1).enabled())
    return pwm_manual_share(c);
  pwm_automatic_share(c);
  return Flow::Next;
}

}  // namespace kolvar::core
