#include "io/valve.h"

#include <string>

#include "io/port_image.h"
#include "io/port_write.h"

namespace kolvar::io {

namespace {

struct Level {
  const char* title;
  form::Name high_menu;  // its pins go high...
  form::Name low_menu;   // ...then these go low, so a pin in both ends low
  const char* message;
  form::Color color;
  const char* status;
};

void switch_valve(form::Controller& c, const Level& level) {
  c.c(ctl::Form1).set_text(level.title);
  for (int i = 1; i <= kPinCount; ++i) {
    if (item_ticked(c, level.high_menu, i)) pin_of_item(c, i).set_text(std::string(kHigh));
    if (item_ticked(c, level.low_menu, i)) pin_of_item(c, i).set_text(std::string(kLow));
  }
  LPT_set(c);

  form::Control& news = c.c(ctl::News);
  switch (c.valve_news()) {
    case form::ValveNews::Silent:
      break;
    case form::ValveNews::Replace:
      news.set_text(level.message);
      break;
    case form::ValveNews::Append:
      news.set_text(news.text() + level.message);
      break;
  }
  news.set_back_color(level.color);
  c.c(ctl::Klapan_status).set_text(level.status);
}

}  // namespace

void vkl(form::Controller& c) {
  switch_valve(c, {"СТАРТ", ctl::ps, ctl::pf, "Клапан открыт", kOpenColor, "1"});
}

void otkl(form::Controller& c) {
  switch_valve(c, {"СТОП", ctl::pf, ctl::ps, "Клапан закрыт", kClosedColor, "0"});
}

}  // namespace kolvar::io
