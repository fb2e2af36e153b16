#pragma once
// The scale a window starts at: the one the operator chose last time, or at a
// first start the one that makes the window's text as large as the desktop's
// and still lets the window fit the screen.
#include <QWidget>

namespace kolvar::view {

// window stands at 100 %, not yet shown; panel_points is the point size of
// its own text at 100 %.
int starting_scale(const QWidget& window, double panel_points);

}  // namespace kolvar::view
