#include "core/temperature_colours.h"

#include "core/roles.h"

namespace kolvar::core {

void colour_control_temperatures(form::Controller& c) {
  for (int role : {kDephlegmator, kPacking}) {
    form::Control& label = c.c(ctl::T, role);
    // Judged on the reading whether the row takes part or not.
    const bool over = role_temperature(c, role) > c.c(ctl::V, role).value() / 10.0;
    label.set_back_color(over ? kOverBack : kNormalBack);
    label.set_fore_color(over ? kOverText : kNormalText);
  }
}

}  // namespace kolvar::core
