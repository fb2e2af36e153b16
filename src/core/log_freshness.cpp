#include "core/log_freshness.h"

#include <string>

#include "core/roles.h"
#include "form/text_number.h"

namespace kolvar::core {

void check_freshness(form::Controller& c) {
  form::Control& previous = c.c(ctl::time_log1);
  const std::string& current = c.column.time_stamp();
  form::Control& count = c.c(ctl::time_error);
  // The stamp is compared as text: its format is the logger's business.
  if (previous.text() == current || read_error(c)) {
    count.set_text(std::to_string(form::counter_value(count.text(), "time_error") + 1));
  } else {
    count.set_text("0");
    c.set_restart_mark(false);
  }
  previous.set_text(current);
}

}  // namespace kolvar::core
