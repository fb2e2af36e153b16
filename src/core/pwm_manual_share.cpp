#include <string>

#include "core/column_tests.h"
#include "core/pwm_phases.h"
#include "core/pwm_takeoff.h"
#include "core/roles.h"
#include "core/steps.h"
#include "core/system_stop.h"
#include "core/tank_line.h"
#include "form/text_number.h"
#include "io/valve.h"

namespace kolvar::core {

namespace {

bool active(const form::Controller& c, form::Name check_box) {
  const form::Control& box = c.c(check_box);
  return box.value() == 1 && box.enabled();
}

// The manual percentage from the tank temperature.
Flow follow_tank_line(form::Controller& c) {
  if (!role_enabled(c, kTank)) {
    system_stop(c, "Не включен датчик температуры бака");
    return Flow::EndCycle;
  }
  const int t1 = c.c(ctl::temp_shim1_scr).value();
  const int t2 = c.c(ctl::temp_shim2_scr).value();
  const double tk = role_temperature(c, kTank) * 10;
  const int k = c.c(ctl::kalibr_kolonni_scr).value();
  if (t2 - t1 <= 0) {
    system_stop(c, "в настройках t° начала снижения отбора ниже t° окончания отбора");
    return Flow::EndCycle;
  }
  const long long percent = form::round_half_even(tank_line_percent(t1, t2, tk, k));
  c.change_value(c.c(ctl::manual_otb), static_cast<int>(percent));
  c.c(ctl::manual_otb_1).set_text(std::to_string(percent));
  return Flow::Next;
}

}  // namespace

Flow pwm_manual_share(form::Controller& c) {
  if (active(c, ctl::otb_po_t_bragi) && follow_tank_line(c) == Flow::EndCycle)
    return Flow::EndCycle;
  if (active(c, ctl::manual_temp_CH)) {
    c.c(ctl::News).set_text(role_status_text(c));
    // Held closed while the column is over; a running phase runs out.
    if (column_over(c)) {
      io::otkl(c);
      return Flow::Next;
    }
  }
  const int percent = c.c(ctl::manual_otb).value();
  c.c(ctl::otb).set_text(std::to_string(percent * 1000));
  const double step_up = step_setting(c, ctl::step_up);
  // Within one step of 100 % the valve stays open instead of pulsing.
  if (percent > 0 && percent * 1000 + step_up < 100000) {
    arm_phases(c);
  } else if (percent == 0) {
    stop_takeoff(c);
  } else {
    c.c(ctl::otb).set_text("100000");
    full_takeoff(c);
    c.c(ctl::Timer8).set_on(false);
    c.c(ctl::Timer9).set_on(false);
  }
  return Flow::Next;
}

}  // namespace kolvar::core
