#include "core/vapour_timers.h"

#include <string>

#include "core/system_stop.h"
#include "form/text_number.h"
#include "io/valve.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {
constexpr int kMinuteMs = 60000;
}  // namespace

void Timer3_Timer(form::Controller& c) {
  form::Control& timer = c.c(ctl::Timer3);
  const long long minutes = c.minute_count();
  // A count below zero (no step arms one) would count down for ever and the
  // valve would never open: it means no minutes are left.
  if (minutes <= 0) {
    io::vkl(c);
    c.c(ctl::Timer4).set_on(true);
    timer.set_on(false);
    return;
  }
  c.set_minute_count(minutes - 1);
  timer.set_interval(kMinuteMs);
}

void Timer4_Timer(form::Controller& c) {
  form::Control& news = c.c(ctl::News);
  // After a stop the panel says why the column stopped; a pulse that ends
  // later must not hide that.
  const bool keep_stop_message = system_stopped(c);
  const std::string stop_message = news.text();
  io::otkl(c);
  double pause_ms = 0;
  try {
    pause_ms = form::required_number(c.c(ctl::time3).text(), "time3");
  } catch (const Failure&) {
    // The tick ends here, but the valve's own message must not stay over
    // the reason of the stop either.
    if (keep_stop_message) news.set_text(stop_message);
    throw;
  }
  form::Control& seconds = c.c(ctl::time3_S);
  seconds.set_text(form::decimal_text(pause_ms / 1000, c.decimal_separator()));
  news.set_back_color(io::kClosedColor);
  news.set_text(keep_stop_message ? stop_message
                                  : "Охлаждение отключено на\r\n" + seconds.text() + "\r\n секунд");
  c.c(ctl::Timer4).set_on(false);
}

}  // namespace kolvar::core
