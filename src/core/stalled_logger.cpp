#include "core/stalled_logger.h"

#include "core/system_stop.h"
#include "form/text_number.h"

namespace kolvar::core {

Stalled check_stalled_logger(form::Controller& c) {
  form::Control& count = c.c("time_error");
  if (c.c("Ch_log").value() != 1 ||
      form::numeric_value(count.text()) <= form::numeric_value(c.c("time_error_def").text())) {
    return Stalled::No;
  }
  form::Control& restart_mark = c.c("Ch_log");  // its tag
  if (form::numeric_value(restart_mark.tag()) == 0) {
    count.set_text("0");
    restart_mark.set_tag("1");
    c.os.launcher.start(c.c("Path").text());
    return Stalled::Restarted;
  }
  restart_mark.set_tag("0");
  c.c("News").set_tag(kStalledLogReason);  // StopReason
  system_stop(c);
  return Stalled::Stopped;
}

}  // namespace kolvar::core
