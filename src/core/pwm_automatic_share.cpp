#include "core/column_tests.h"
#include "core/pwm_phases.h"
#include "core/pwm_takeoff.h"
#include "core/run_counters.h"
#include "core/steps.h"
#include "core/wait_gate.h"
#include "form/text_number.h"
#include "io/valve.h"

namespace kolvar::core {

namespace {

constexpr double kWholeShare = 100000;
constexpr long long kStableCycles = 10;

// The share and its two steps for this cycle.
struct Share {
  form::Controller& c;
  double otb = form::required_number(c.c(ctl::otb).text(), "otb");
  double step_up = step_setting(c, ctl::step_up);
  double step_d = step_setting(c, ctl::step_d);

  // Changes the share unless the waiting option holds the change back.
  void change_to(double value) {
    const Gate gate = wait_gate(c);
    if (gate == Gate::Waiting) return;
    if (gate == Gate::Due) reload_wait(c);
    otb = form::held_number(value, "otb");
    c.c(ctl::otb).set_text(form::decimal_text(otb, '.'));
  }
  bool room_to_raise() const { return otb + step_up < kWholeShare; }
};

void above(Share& s) {
  s.c.c(ctl::stab_temp).set_text("0");
  if (column_far_above(s.c)) {
    s.change_to(s.otb - s.step_d > 0 ? s.otb - s.step_d : 0);
    stop_takeoff(s.c);
  } else if (s.otb - s.step_d > 0) {
    s.change_to(s.otb - s.step_d);
    arm_phases(s.c);
  } else {
    s.change_to(0);
    stop_takeoff(s.c);
  }
}

void below(Share& s) {
  if (s.room_to_raise()) {
    s.change_to(s.otb + s.step_up);
    if (s.otb != 0) arm_phases(s.c);
  } else {
    s.change_to(kWholeShare);
    full_takeoff(s.c);
  }
  s.c.c(ctl::stab_temp).set_text("0");
}

// A column that holds steady for a while can give off a little more.
void stable(Share& s) {
  if (count_by(s.c, ctl::stab_temp, 1) == kStableCycles) {
    if (s.room_to_raise()) {
      s.change_to(s.otb + s.step_up);
      arm_phases(s.c);
    } else {
      s.change_to(kWholeShare);
      full_takeoff(s.c);
    }
    s.c.c(ctl::stab_temp).set_text("0");
  } else if (s.otb > 0 && s.room_to_raise()) {
    arm_phases(s.c);
  } else if (s.otb == 0) {
    io::otkl(s.c);
    s.c.c(ctl::News).set_text("Отбор остановлен");
  } else {
    s.change_to(kWholeShare);
    full_takeoff(s.c);
  }
}

}  // namespace

void pwm_automatic_share(form::Controller& c) {
  Share share{c};
  if (column_over(c))
    above(share);
  else if (column_below(c))
    below(share);
  else
    stable(share);
}

}  // namespace kolvar::core
