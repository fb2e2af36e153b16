#include "core/cooldown.h"

#include "core/handlers.h"
#include "form/takeoff.h"
#include "form/text_number.h"
#include "io/coil.h"
#include "io/port_image.h"
#include "io/valve.h"

namespace kolvar::core {

bool coil_cooling_on(const form::Controller& c) {
  for (int item = 1; item <= io::kPinCount; ++item) {
    if (io::item_ticked(c, ctl::zm, item) &&
        c.c(ctl::pin, item - 1).text() == std::string(io::kHigh))
      return true;
  }
  return false;
}

namespace {

long long minutes_left(const form::Controller& c) {
  return form::counter_value(c.c(ctl::cooldown).tag(), "cooldown.Tag");
}

// The panel without the cool-down's line, then with the line for now.
void show(form::Controller& c, const std::string& line) {
  form::Control& news = c.c(ctl::News);
  std::string text = news.text();
  if (const std::size_t at = text.find(std::string("\r\n") + kCooldownLinePrefix);
      at != std::string::npos) {
    text.erase(at);
  }
  if (!line.empty()) text += "\r\n" + line;
  news.set_text(text);
}

// The valve's and the coil's own messages must not take the place of the
// reason of the stop; the panel's colour still tells the valve's state.
template <class Switch>
void keeping_news(form::Controller& c, Switch switch_outputs) {
  form::Control& news = c.c(ctl::News);
  const std::string text = news.text();
  switch_outputs();
  news.set_text(text);
}

}  // namespace

bool valve_carries_water(const form::Controller& c) {
  return form::takeoff_type(c) == form::Takeoff::Vapour;
}

void start_cooldown(form::Controller& c) {
  if (valve_carries_water(c)) c.c(ctl::Timer4).set_on(false);
  form::Control& timer = c.c(ctl::cooldown);
  timer.set_tag(std::to_string(kCooldownMinutes));
  timer.set_interval(kCooldownTickMs);
  timer.set_on(true);
}

std::optional<long long> cooldown_minutes_left(const form::Controller& c) {
  if (!c.c(ctl::cooldown).on()) return std::nullopt;
  return minutes_left(c);
}

std::string cooldown_line(const form::Controller& c) {
  const std::optional<long long> left = cooldown_minutes_left(c);
  if (!left) return {};
  return kCooldownLinePrefix + std::to_string(*left) + " мин";
}

void cooldown_Timer(form::Controller& c) {
  form::Control& timer = c.c(ctl::cooldown);
  const long long left = minutes_left(c) - 1;
  if (left > 0) {
    timer.set_tag(std::to_string(left));
    show(c, cooldown_line(c));
    return;
  }
  timer.set_tag("0");
  timer.set_on(false);
  keeping_news(c, [&] {
    io::otkl2(c);
    if (!c.c(ctl::Start).checked()) io::otkl(c);
  });
  show(c, "");
}

void cooldown_type_changed(form::Controller& c) {
  if (!c.c(ctl::cooldown).on() || valve_carries_water(c) || c.c(ctl::Start).checked()) return;
  if (c.c(ctl::Klapan_status).text() != "1") return;
  keeping_news(c, [&] { io::otkl(c); });
}

void cancel_cooldown(form::Controller& c) {
  c.c(ctl::cooldown).set_on(false);
  c.c(ctl::cooldown).set_tag("0");
}

void register_cooldown_handlers(form::Controller& c) {
  c.on_timer(ctl::cooldown, cooldown_Timer);
}

}  // namespace kolvar::core
