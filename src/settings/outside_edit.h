#pragma once
#include "ui/controller.h"

namespace kolvar::settings {

// The cycle's look at "mytunes.log": when its first line marks an outside
// edit, every setting is applied again.
void check_outside_edit(ui::Controller& c);

}  // namespace kolvar::settings
