#pragma once
// The scale the Win32 window starts at: the one the operator chose last
// time, or at a first start the one that makes the panels' text as large as
// the desktop's and still lets the window fit its monitor.
#include "winview/win32.h"

namespace kolvar::winview {

// window stands at 100 % of its monitor's DPI, not yet shown.
int starting_scale(HWND window);

}  // namespace kolvar::winview
