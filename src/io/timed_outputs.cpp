#include "io/timed_outputs.h"

#include <string>

#include "io/port_image.h"
#include "io/port_write.h"

namespace kolvar::io {

namespace {

void end_movement(form::Controller& c, form::Name timer, form::Name menu) {
  c.c(timer).set_on(false);
  set_ticked_pins(c, menu, kLow);
  LPT_set(c);
}

}  // namespace

void Timer2_Timer(form::Controller& c) {
  c.c(ctl::Shape1).set_back_color(form::kMenuColor);
  c.c(ctl::Timer2).set_on(false);
  form::Control& form = c.c(ctl::Form1);
  form.set_text(std::string(11, ' ') + form.text());
}

void Timer5_Timer(form::Controller& c) {
  end_movement(c, ctl::Timer5, ctl::lu);
}

void Timer6_Timer(form::Controller& c) {
  end_movement(c, ctl::Timer6, ctl::ld);
}

void Timer7_Timer(form::Controller& c) {
  set_ticked_pins(c, ctl::puls, kLow);
  c.c(ctl::Timer7).set_on(false);
  LPT_set(c);
}

}  // namespace kolvar::io
