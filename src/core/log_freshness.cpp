#include "core/log_freshness.h"

#include <string>

#include "core/roles.h"
#include "form/text_number.h"

namespace kolvar::core {

void check_freshness(form::Controller& c) {
  form::Control& previous = c.c("time_log1");
  const form::Control& current = c.c("time_log2");
  form::Control& count = c.c("time_error");
  // The stamp is compared as text: its format is the logger's business.
  if (previous.text() == current.text() || read_error(c)) {
    count.set_text(std::to_string(form::counter_value(count.text(), "time_error") + 1));
  } else {
    count.set_text("0");
    c.c("Ch_log").set_tag("0");  // RestartMark
  }
  previous.set_text(current.text());
}

}  // namespace kolvar::core
