// Stand-in until applying the settings file is built.
#include "settings/outside_edit.h"

namespace kolvar::settings {

void check_outside_edit(ui::Controller&) {}

}  // namespace kolvar::settings
