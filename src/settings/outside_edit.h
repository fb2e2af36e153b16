#pragma once
#include "form/controller.h"

namespace kolvar::settings {

inline constexpr char kOutsideEditMessage[] =
    "Файл настроек изменен из внешнего источника.\r\nИспользуются измененные настройки.";

// The cycle's look at "mytunes.log": when its first line is a number other
// than 0, lines 2 to 114 are applied as at start-up but with the reactions
// of the thresholds and the period acting, and `News` says so. The flag is
// never written back, so an edited file is applied on every call until a
// save. A file that cannot be opened, or whose first line is not a number,
// changes nothing.
void check_outside_edit(form::Controller& c);

}  // namespace kolvar::settings
