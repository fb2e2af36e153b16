#include "core/log_freshness.h"

#include <string>

#include "core/frozen_logger.h"
#include "core/roles.h"
#include "form/text_number.h"

namespace kolvar::core {

namespace {
void count_stale(form::Control& count) {
  count.set_text(std::to_string(form::counter_value(count.text(), "time_error") + 1));
}
}  // namespace

void check_freshness(form::Controller& c) {
  form::Control& previous = c.c(ctl::time_log1);
  const std::string& current = c.column.time_stamp();
  form::Control& count = c.c(ctl::time_error);
  // The stamp is compared as text: its format is the logger's business.
  // Every test runs, so the frozen watch sees each cycle's readings.
  const bool frozen = readings_frozen(c);
  if (previous.text() == current || read_error(c) || frozen) {
    count_stale(count);
  } else {
    count.set_text("0");
    c.set_restart_mark(false);
  }
  previous.set_text(current);
}

void count_unread_log(form::Controller& c) {
  count_stale(c.c(ctl::time_error));
}

}  // namespace kolvar::core
