#include "winview/starting_scale.h"

#include <cstdlib>

#include "desk/scale_steps.h"
#include "winview/dpi.h"
#include "winview/scale_memory.h"

namespace kolvar::winview {

namespace {

// The desktop's text: the system's message font, whose height is in pixels
// at the system's DPI; in points as the system's font dialog rounds them.
double desktop_points() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 0;
  return MulDiv(std::abs(metrics.lfMessageFont.lfHeight), 72, dpi_of(nullptr));
}

}  // namespace

int starting_scale(HWND window) {
  if (const auto remembered = remembered_scale()) return *remembered;
  RECT outer{};
  GetWindowRect(window, &outer);
  // The window's size is its outer size, frame and title included.
  desk::FirstStartFacts facts{desktop_points(), desk::kPanelPoints, outer.right - outer.left,
                              outer.bottom - outer.top};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    facts.room_width = monitor.rcWork.right - monitor.rcWork.left;
    facts.room_height = monitor.rcWork.bottom - monitor.rcWork.top;
  }
  return desk::first_start_scale(facts);
}

}  // namespace kolvar::winview
