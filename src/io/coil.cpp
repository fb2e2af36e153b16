#include "io/coil.h"

#include "io/port_image.h"
#include "io/port_write.h"

namespace kolvar::io {

void vkl2(form::Controller& c) {
  set_ticked_pins(c, ctl::zm, kHigh);
  LPT_set(c);
}

void otkl2(form::Controller& c) {
  set_ticked_pins(c, ctl::zm, kLow);
  LPT_set(c);
}

}  // namespace kolvar::io
