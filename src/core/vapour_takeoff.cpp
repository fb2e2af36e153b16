// Vapour take-off: the valve lets cooling water through in pulses of
// `voda_vkl` ms, each after a delay of `time3` ms on the delay timer (Timer3)
// and ended by the pulse timer (Timer4). The longer the delay, the less the
// column is cooled and the more it gives off: the delay shrinks by `step_d`
// while the column is over its threshold and grows by `step_up` when it is
// below after a complete pulse.
#include <string>

#include "core/column_tests.h"
#include "core/cycle_steps.h"
#include "core/delay_timer.h"
#include "core/run_counters.h"
#include "core/steps.h"
#include "core/wait_gate.h"
#include "form/text_number.h"
#include "io/valve.h"

namespace kolvar::core {

namespace {

double setting(const form::Controller& c, form::Name name) {
  return form::numeric_value(c.c(name).text());
}

void write_delay(form::Controller& c, double delay) {
  c.c(ctl::time3).set_text(form::decimal_text(delay, '.'));
}

// The delay cannot shrink any further: cooling stays fully on, and the
// overheat countdown runs towards the stop of the protective step.
void maximum_cooling(form::Controller& c) {
  io::vkl(c);
  const long long left = count_by(c, ctl::peregrev, -1);
  c.c(ctl::News).set_text("Максимум охлаждения!\r\nДо остановки " + std::to_string(left) +
                          " циклов ");
  c.c(ctl::Timer3).set_on(false);
  c.c(ctl::Timer4).set_on(false);
  write_delay(c, 0);
}

Flow over_step(form::Controller& c, double delay) {
  c.c(ctl::stab_temp).set_text("0");
  io::vkl(c);  // cooling on at once
  bool change = true;
  if (c.c(ctl::wait_ch).value() == 1 && delay != 0) {
    change = wait_gate(c) != Gate::Waiting;
    if (change) reload_wait(c);
  }
  if (change) {
    const double step = step_setting(c, ctl::step_d);
    if (delay < step) {
      maximum_cooling(c);
      return Flow::Next;
    }
    delay -= step;
    arm_delay_timer(c, delay);
  }
  c.c(ctl::Timer3).set_on(true);
  c.c(ctl::Timer4).set_on(true);
  write_delay(c, delay);
  return Flow::Next;
}

Flow not_over_step(form::Controller& c, double delay) {
  // The delay changes at most once per pulse: while a delay or a pulse runs,
  // the cycle leaves the rest of its take-off stages alone.
  if (c.c(ctl::Timer3).on() || c.c(ctl::Timer4).on()) return Flow::ToStalledLoggerCheck;
  c.c(ctl::peregrev)
      .set_text(
          form::decimal_text(form::held_number(setting(c, ctl::peregrev_def), "peregrev"), '.'));
  if (column_below(c)) {
    delay += step_setting(c, ctl::step_up);
    c.c(ctl::stab_temp).set_text("0");
  } else {
    count_by(c, ctl::stab_temp, 1);
  }
  arm_delay_timer(c, delay);
  c.c(ctl::Timer3).set_on(true);
  write_delay(c, delay);
  return Flow::Next;
}

}  // namespace

Flow vapour_auto_step(form::Controller& c, double delay) {
  return column_over(c) ? over_step(c, delay) : not_over_step(c, delay);
}

void stable_count_wrap(form::Controller& c) {
  form::Control& count = c.c(ctl::stab_temp);
  if (form::numeric_value(count.text()) == 10) count.set_text("0");
}

}  // namespace kolvar::core
