#pragma once
// A window class of the program's own, registered once: the arrow cursor,
// and what differs from class to class.
#include "winview/win32.h"

namespace kolvar::winview {

struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  // Nothing: the window paints its background itself.
  HBRUSH background = nullptr;
  UINT style = 0;
  // Bytes the class keeps with each window (GetWindowLongPtrW's slots).
  int extra_bytes = 0;
  // The program's icon from its resources, where it has one, in the title.
  bool icon = false;
};

// Registers `c` unless a class of its name is there already.
void register_window_class(const WindowClass& c);

}  // namespace kolvar::winview
