#include "core/stalled_logger.h"

#include "core/system_stop.h"
#include "form/text_number.h"

namespace kolvar::core {

Stalled check_stalled_logger(form::Controller& c) {
  form::Control& count = c.c(ctl::time_error);
  if (form::numeric_value(count.text()) <= form::numeric_value(c.c(ctl::time_error_def).text())) {
    return Stalled::No;
  }
  // `Ch_log` chooses whether the logger is started again first, not whether
  // the column is protected: without a restart a dead log stops the system.
  if (c.c(ctl::Ch_log).value() == 1 && !c.restart_mark()) {
    count.set_text("0");
    c.set_restart_mark(true);
    c.os.launcher.start(c.c(ctl::Path).text());
    return Stalled::Restarted;
  }
  c.set_restart_mark(false);
  system_stop(c, kStalledLogReason);
  return Stalled::Stopped;
}

}  // namespace kolvar::core
