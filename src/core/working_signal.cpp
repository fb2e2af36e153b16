#include "core/working_signal.h"

#include "form/text_number.h"
#include "io/port_image.h"
#include "io/port_write.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {
constexpr form::Color kFlash{255, 0, 0};
constexpr long long kLongestInterval = 65535;
}  // namespace

int pulse_length(const form::Controller& c) {
  try {
    const double ms = form::required_number(c.c(ctl::pulse_time).text(), "pulse_time");
    if (ms > 0 && ms <= kLongestInterval) {
      const long long whole = form::round_half_even(ms);
      if (whole > 0) return static_cast<int>(whole);
    }
  } catch (const Failure&) {
    // Not a number: the fallback below.
  }
  return c.c(ctl::Interval).value() * 500;
}

void working_signal(form::Controller& c) {
  c.c(ctl::Shape1).set_back_color(kFlash);
  c.c(ctl::Timer2).set_on(true);
  io::set_ticked_pins(c, ctl::puls, io::kHigh);
  if (c.c(ctl::Ch_pulse).value() == 1) {
    form::Control& pulse = c.c(ctl::Timer7);
    pulse.set_interval(pulse_length(c));
    pulse.set_on(true);
  } else {
    io::LPT_set(c);
  }
}

}  // namespace kolvar::core
