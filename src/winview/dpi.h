#pragma once
// The DPI a window is shown at. Windows 10 tells it per window (the program
// is per-monitor aware through its manifest); older systems have one for the
// whole screen.
#include "winview/win32.h"

namespace kolvar::winview {

inline constexpr int kBaseDpi = 96;

int dpi_of(HWND hwnd);

}  // namespace kolvar::winview
