#include "core/run_counters.h"

#include <string>

#include "form/text_number.h"

namespace kolvar::core {

long long count_by(form::Controller& c, std::string_view name, long long delta) {
  form::Control& box = c.c(name);
  const long long value = form::counter_value(box.text(), name) + delta;
  box.set_text(std::to_string(value));
  return value;
}

void reset_run_state(form::Controller& c) {
  c.c("time3").set_text(c.c("time3_def").text());
  c.c("peregrev").set_text(c.c("peregrev_def").text());
  c.c("voda_vkl").set_text(c.c("voda_vkl_def").text());
  c.c("stab_temp").set_text("0");
  c.c("otb").set_text("0");
}

}  // namespace kolvar::core
