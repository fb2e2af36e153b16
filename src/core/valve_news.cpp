#include "core/valve_news.h"

#include "core/handlers.h"
#include "form/takeoff.h"

namespace kolvar::core {

form::ValveNews valve_news(const form::Controller& c) {
  switch (form::takeoff_type(c)) {
    case form::Takeoff::Pwm:
      return form::ValveNews::Silent;
    case form::Takeoff::Vapour:
      return c.c(ctl::Auto).checked() ? form::ValveNews::Replace : form::ValveNews::Append;
    case form::Takeoff::Liquid:
    case form::Takeoff::None:
      break;
  }
  return form::ValveNews::Append;
}

void register_valve_news(form::Controller& c) {
  c.set_valve_news_rule(valve_news);
}

}  // namespace kolvar::core
