#pragma once
// The keys that scale the window (desk/scale_keys.h) in Win32: a hook on
// the thread's keyboard input sees them whichever of the window's controls
// has the focus, as the plot's F9.
#include <functional>

#include "winview/win32.h"

namespace kolvar::winview {

class ScaleKeys {
 public:
  // Ctrl with a scaling key, typed while `window` or one of its controls has
  // the focus, tells `choose` the scale it asks for, given the scale now
  // from `current`. One window of a thread has the keys.
  ScaleKeys(HWND window, std::function<int()> current, std::function<void(int)> choose);
  ~ScaleKeys();
  ScaleKeys(const ScaleKeys&) = delete;
  ScaleKeys& operator=(const ScaleKeys&) = delete;

 private:
  static LRESULT CALLBACK keyboard(int code, WPARAM key, LPARAM flags);

  HWND window_;
  std::function<int()> current_;
  std::function<void(int)> choose_;
  HHOOK hook_ = nullptr;
};

}  // namespace kolvar::winview
