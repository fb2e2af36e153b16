#pragma once
// The answer to a logger whose log stopped advancing: restart it once, and
// stop the system if that did not help.
#include "form/controller.h"

namespace kolvar::core {

enum class Stalled { No, Restarted, Stopped };

inline constexpr const char* kStalledLogReason = "В логе темп-кипера не меняется время показаний";

// With more stale cycles in `time_error` than `time_error_def` allows: with
// `Ch_log` 1, the first time the logger program named by `Path` is started
// again (count to 0, restart mark to 1); if the log stays stale after that,
// or with `Ch_log` 0 at once, the system stops. A program that fails to
// start is a failure, raised after the count and the mark are already set,
// so the next stall stops the system.
Stalled check_stalled_logger(form::Controller& c);

}  // namespace kolvar::core
