#include "io/lift.h"

#include <string>

#include "form/text_number.h"
#include "io/port_image.h"
#include "io/port_write.h"
#include "platform/failure.h"

namespace kolvar::io {

namespace {

// The movement's length in whole milliseconds, within the timer's range.
long long duration_ms(const form::Controller& c, form::Name travel_name) {
  const double travel = form::required_number(c.c(travel_name).text(), travel_name.text());
  const double speed = form::required_number(c.c(ctl::lift_speed).text(), "lift_speed");
  const double ms = travel * speed;
  if (!(ms >= 0 && ms < 65535.5))
    throw Failure("Недопустимая длительность движения лифта " + std::string(travel_name.text()) +
                  " × lift_speed: " + form::decimal_text(ms, c.decimal_separator()) +
                  " мс (допустимо 0..65535)");
  return form::round_half_even(ms);
}

void move(form::Controller& c, form::Name travel_name, form::Name timer_name, form::Name menu) {
  const long long ms = duration_ms(c, travel_name);
  // A timer does not fire at 0 ms, so the movement would never end: better
  // not to start it at all.
  if (ms == 0) return;
  form::Control& timer = c.c(timer_name);
  timer.set_interval(ms);  // restarts the count of a running timer
  timer.set_on(true);
  set_ticked_pins(c, menu, kHigh);
  LPT_set(c);
}

}  // namespace

void lift_up(form::Controller& c) {
  move(c, ctl::lift_up_def, ctl::Timer5, ctl::lu);
}

void lift_down(form::Controller& c) {
  move(c, ctl::lift_down_def, ctl::Timer6, ctl::ld);
}

}  // namespace kolvar::io
