#include "core/valve_news.h"

#include "core/handlers.h"

namespace kolvar::core {

form::ValveNews valve_news(const form::Controller& c) {
  if (c.c(ctl::SHIM).checked()) return form::ValveNews::Silent;
  if (c.c(ctl::par).checked() && c.c(ctl::Auto).checked()) return form::ValveNews::Replace;
  return form::ValveNews::Append;
}

void register_valve_news(form::Controller& c) {
  c.set_valve_news_rule(valve_news);
}

}  // namespace kolvar::core
