#include "core/run_counters.h"

#include <string>

#include "form/text_number.h"

namespace kolvar::core {

long long count_by(form::Controller& c, form::Name name, long long delta) {
  form::Control& box = c.c(name);
  const long long value = form::counter_value(box.text(), name.text()) + delta;
  box.set_text(std::to_string(value));
  return value;
}

void reset_run_state(form::Controller& c) {
  c.c(ctl::time3).set_text(c.c(ctl::time3_def).text());
  c.c(ctl::peregrev).set_text(c.c(ctl::peregrev_def).text());
  c.c(ctl::voda_vkl).set_text(c.c(ctl::voda_vkl_def).text());
  c.c(ctl::stab_temp).set_text("0");
  c.c(ctl::otb).set_text("0");
}

}  // namespace kolvar::core
