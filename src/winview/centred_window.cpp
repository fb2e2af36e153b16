#include "winview/centred_window.h"

#include <algorithm>

namespace kolvar::winview {

RECT centred_over(HWND owner, int width, int height) {
  RECT around{};
  GetWindowRect(owner, &around);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& room = monitor.rcWork;
  const int left =
      std::clamp(static_cast<int>((around.left + around.right - width) / 2),
                 static_cast<int>(room.left), std::max<int>(room.left, room.right - width));
  const int top =
      std::clamp(static_cast<int>((around.top + around.bottom - height) / 2),
                 static_cast<int>(room.top), std::max<int>(room.top, room.bottom - height));
  return {left, top, left + width, top + height};
}

}  // namespace kolvar::winview
