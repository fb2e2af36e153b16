#include "io/timed_outputs.h"

#include <string>

#include "form/text_number.h"
#include "io/port_image.h"
#include "io/port_write.h"
#include "io/valve.h"

namespace kolvar::io {

namespace {

constexpr int kMinuteMs = 60000;

// Stopped, as the operator sees it: no cycle runs and the panel shows a stop.
bool system_stopped(const form::Controller& c) {
  return !c.c("Timer1").on() && c.c("News").text().starts_with(kStoppedHeading);
}

void end_movement(form::Controller& c, const char* timer, const char* menu) {
  c.c(timer).set_on(false);
  set_ticked_pins(c, menu, kLow);
  LPT_set(c);
}

}  // namespace

void Timer2_Timer(form::Controller& c) {
  c.c("Shape1").set_back_color(form::kMenuColor);
  c.c("Timer2").set_on(false);
  form::Control& form = c.c("Form1");
  form.set_text(std::string(11, ' ') + form.text());
}

void Timer3_Timer(form::Controller& c) {
  form::Control& timer = c.c("Timer3");
  const long long minutes = form::counter_value(timer.tag(), "Timer3.Tag");
  // A count below zero (only an outside edit could make one) would count down
  // for ever and the valve would never open: it means no minutes are left.
  if (minutes <= 0) {
    vkl(c);
    c.c("Timer4").set_on(true);
    timer.set_on(false);
    return;
  }
  timer.set_tag(std::to_string(minutes - 1));
  timer.set_interval(kMinuteMs);
}

void Timer4_Timer(form::Controller& c) {
  form::Control& news = c.c("News");
  // After a stop the panel says why the column stopped; a pulse that ends
  // later must not hide that.
  const bool keep_stop_message = system_stopped(c);
  const std::string stop_message = news.text();
  otkl(c);
  const double pause_ms = form::required_number(c.c("time3").text(), "time3");
  form::Control& seconds = c.c("time3_S");
  seconds.set_text(form::decimal_text(pause_ms / 1000, c.decimal_separator()));
  news.set_back_color(kClosedColor);
  news.set_text(keep_stop_message ? stop_message
                                  : "Охлаждение отключено на\r\n" + seconds.text() + "\r\n секунд");
  c.c("Timer4").set_on(false);
}

void Timer5_Timer(form::Controller& c) {
  end_movement(c, "Timer5", "lu");
}

void Timer6_Timer(form::Controller& c) {
  end_movement(c, "Timer6", "ld");
}

void Timer7_Timer(form::Controller& c) {
  set_ticked_pins(c, "puls", kLow);
  c.c("Timer7").set_on(false);
  LPT_set(c);
}

}  // namespace kolvar::io
