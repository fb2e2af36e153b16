#include "winview/beside_window.h"

#include "winview/dpi.h"

namespace kolvar::winview {

bool handle_beside_window(HWND hwnd, UINT message, WPARAM w, LPARAM l, SuggestedSize size,
                          const std::function<void(double)>& set_scale, LRESULT* result) {
  switch (message) {
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(l);
      set_scale(HIWORD(w) / static_cast<double>(kBaseDpi));
      const bool taken = size == SuggestedSize::Taken;
      SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                   taken ? suggested->right - suggested->left : 0,
                   taken ? suggested->bottom - suggested->top : 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | (taken ? 0 : SWP_NOSIZE));
      *result = 0;
      return true;
    }
    case WM_CLOSE:
      ShowWindow(hwnd, SW_HIDE);
      *result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace kolvar::winview
