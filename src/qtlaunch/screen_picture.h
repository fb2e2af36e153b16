#pragma once
// A picture of the screen as the program shows it, for the documentation's
// pictures and the tests that look at them.
#include <QPixmap>

namespace kolvar::qtlaunch {

// Every window that is shown, as each draws itself, where it stands on the
// screen, on a quiet background and each with a thin frame where a window
// manager would put one.
QPixmap screen_picture();

}  // namespace kolvar::qtlaunch
