#include "form/takeoff.h"

namespace kolvar::form {

Takeoff takeoff_type(const Controller& c) {
  if (c.c(ctl::liquid).checked()) return Takeoff::Liquid;
  if (c.c(ctl::par).checked()) return Takeoff::Vapour;
  if (c.c(ctl::SHIM).checked()) return Takeoff::Pwm;
  return Takeoff::None;
}

}  // namespace kolvar::form
