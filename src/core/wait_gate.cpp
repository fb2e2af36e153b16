#include "core/wait_gate.h"

#include "core/run_counters.h"
#include "form/text_number.h"

namespace kolvar::core {

Gate wait_gate(form::Controller& c) {
  if (c.c(ctl::wait_ch).value() != 1) return Gate::Off;
  if (form::numeric_value(c.c(ctl::wait).text()) != 0) {
    count_by(c, ctl::wait, -1);
    return Gate::Waiting;
  }
  return Gate::Due;
}

void reload_wait(form::Controller& c) {
  c.c(ctl::wait).set_text(c.c(ctl::wait_def).text());
}

}  // namespace kolvar::core
