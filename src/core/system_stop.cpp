#include "core/system_stop.h"

#include <functional>
#include <string>

#include "core/cooldown.h"
#include "io/coil.h"
#include "io/port_image.h"
#include "io/port_write.h"
#include "io/valve.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {

// Runs one output step; the first failure is kept for the panel and the
// stop goes on, since a stop must stop even when the port misbehaves.
void attempt(std::string& first_failure, const std::function<void()>& step) {
  try {
    step();
  } catch (const Failure& failure) {
    if (first_failure.empty()) first_failure = failure.what();
  }
}

void play_stop_sound(form::Controller& c) {
  try {
    c.os.sound.play(kStopSoundFile);
  } catch (const Failure&) {
    c.os.message_box.show(kStopSoundFailure);
  }
}

}  // namespace

bool system_stopped(const form::Controller& c) {
  return !c.c(ctl::Timer1).on() && c.c(ctl::News).text().starts_with(kStoppedHeading);
}

void system_stop(form::Controller& c, const std::string& reason) {
  c.set_stop_reason(reason);
  // Cooling that runs goes on for a while (see cooldown.h).
  const bool coil = coil_cooling_on(c);
  const bool water = valve_carries_water(c);
  std::string port_failure;
  attempt(port_failure, [&] { water ? io::vkl(c) : io::otkl(c); });
  if (!coil) attempt(port_failure, [&] { io::otkl2(c); });
  attempt(port_failure, [&] {
    // A running pulse is left to its pulse timer, which ends it; no cycle
    // starts another. With no pulse running (the signal was constant until
    // the box was ticked) nothing else would lower the pins.
    if (c.c(ctl::Ch_pulse).value() == 0 || !c.c(ctl::Timer7).on())
      io::set_ticked_pins(c, ctl::puls, io::kLow);
    io::set_ticked_pins(c, ctl::ss, io::kHigh);
    io::LPT_set(c);
  });

  // Timer3 would open the valve at the end of a vapour pause; Timer8 would
  // open it at the end of a closed PWM phase, and Timer9 belongs to the same
  // armed period.
  for (form::Name timer : {ctl::Timer1, ctl::Timer3, ctl::Timer8, ctl::Timer9})
    c.c(timer).set_on(false);
  if (coil || water) start_cooldown(c);

  form::Control& news = c.c(ctl::News);
  std::string text = std::string(kStoppedHeading) + "\r\n" + c.stop_reason();
  if (!port_failure.empty()) text += "\r\n" + port_failure;
  if (const std::string line = cooldown_line(c); !line.empty()) text += "\r\n" + line;
  news.set_text(text);

  if (c.c(ctl::sound_ch).value() == 1) play_stop_sound(c);
}

}  // namespace kolvar::core
