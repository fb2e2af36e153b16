#include "core/pwm_phases.h"

#include <string>

#include "form/text_number.h"
#include "io/valve.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {

constexpr double kWholeShare = 100000;

// 0 to 100000; outside that the phases would not add up to the period.
double share(const form::Controller& c) {
  const std::string& text = c.c(ctl::otb).text();
  const double otb = form::required_number(text, "otb");
  if (!(otb >= 0 && otb <= kWholeShare))
    throw Failure("Доля отбора otb вне 0..100000: \"" + text + "\"");
  return otb;
}

// `time3_S` shows the share in percent in the user's number format.
void show_share(form::Controller& c, const char* valve_state) {
  form::Control& percent = c.c(ctl::time3_S);
  percent.set_text(form::decimal_text(share(c) / 1000, c.decimal_separator()));
  c.c(ctl::News).set_text("Отбор " + percent.text() + "%\r\n" + valve_state);
}

}  // namespace

void arm_phases(form::Controller& c) {
  const double otb = share(c);
  // The closed phase starts now, so a valve that Full left open closes: the
  // new share holds from this period on, not from the next.
  if (form::numeric_value(c.c(ctl::Klapan_status).text()) == 1) io::otkl(c);
  const int period_s = c.c(ctl::Interval).value();
  const long long closed = form::round_half_even((kWholeShare - otb) * period_s / 100);
  const long long open = form::round_half_even(otb * period_s / 100);
  form::Control& closed_phase = c.c(ctl::Timer8);
  closed_phase.set_interval(closed);
  c.c(ctl::Timer9).set_interval(open);
  closed_phase.set_on(true);
  // A timer does not fire at 0 ms: an empty closed phase would keep the valve
  // shut for good instead of opening it now.
  if (closed == 0) Timer8_Timer(c);
}

void stop_takeoff(form::Controller& c) {
  io::otkl(c);
  c.c(ctl::News).set_text("Отбор остановлен");
  c.c(ctl::Timer8).set_on(false);
  c.c(ctl::Timer9).set_on(false);
}

void full_takeoff(form::Controller& c) {
  io::vkl(c);
  c.c(ctl::News).set_text("Отбор максимальный");
}

// The open phase ends at about the moment of the next cycle. Were the cycle
// handled first and the phase left running, the new Arm would restart it
// (setting a running timer's interval restarts its count, so the valve would
// stay open into a second period), or it would close the valve just after Full
// opened it. So it ends here, as if its timer had fired first.
void end_previous_open_phase(form::Controller& c) {
  if (c.c(ctl::Timer9).on()) Timer9_Timer(c);
}

void Timer8_Timer(form::Controller& c) {
  form::Control& open_phase = c.c(ctl::Timer9);
  // An open phase of 0 ms would never end (a timer does not fire at 0 ms) and
  // leave the valve open at a share of 0.
  if (open_phase.interval() == 0) {
    c.c(ctl::Timer8).set_on(false);
    Timer9_Timer(c);
    return;
  }
  io::vkl(c);
  c.c(ctl::Timer8).set_on(false);
  open_phase.set_on(true);
  show_share(c, "клапан открыт");
}

void Timer9_Timer(form::Controller& c) {
  io::otkl(c);
  c.c(ctl::Timer9).set_on(false);
  show_share(c, "клапан закрыт");
}

}  // namespace kolvar::core
