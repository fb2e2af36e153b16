#include "io/timed_outputs.h"

#include <string>

#include "io/port_image.h"
#include "io/port_write.h"
#include "io/valve.h"
#include "ui/text_number.h"

namespace kolvar::io {

namespace {

constexpr int kMinuteMs = 60000;

void end_movement(ui::Controller& c, const char* timer, const char* menu) {
  c.c(timer).set_on(false);
  set_ticked_pins(c, menu, kLow);
  LPT_set(c);
}

}  // namespace

void Timer2_Timer(ui::Controller& c) {
  c.c("Shape1").set_back_color(ui::kMenuColor);
  c.c("Timer2").set_on(false);
  ui::Control& form = c.c("Form1");
  form.set_text(std::string(11, ' ') + form.text());
}

void Timer3_Timer(ui::Controller& c) {
  ui::Control& timer = c.c("Timer3");
  const long long minutes = ui::counter_value(timer.tag(), "Timer3.Tag");
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

void Timer4_Timer(ui::Controller& c) {
  otkl(c);
  const double pause_ms = ui::required_number(c.c("time3").text(), "time3");
  ui::Control& seconds = c.c("time3_S");
  seconds.set_text(ui::decimal_text(pause_ms / 1000, c.decimal_separator()));
  ui::Control& news = c.c("News");
  news.set_back_color(kClosedColor);
  news.set_text("Охлаждение отключено на\r\n" + seconds.text() + "\r\n секунд");
  c.c("Timer4").set_on(false);
}

void Timer5_Timer(ui::Controller& c) {
  end_movement(c, "Timer5", "lu");
}

void Timer6_Timer(ui::Controller& c) {
  end_movement(c, "Timer6", "ld");
}

void Timer7_Timer(ui::Controller& c) {
  set_ticked_pins(c, "puls", kLow);
  c.c("Timer7").set_on(false);
  LPT_set(c);
}

}  // namespace kolvar::io
