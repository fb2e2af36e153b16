// Stand-in until the protective shutdowns are built.
#include "core/system_stop.h"

namespace kolvar::core {

void system_stop(ui::Controller& c) { c.c("Timer1").set_on(false); }

}  // namespace kolvar::core
