#include "winview/dpi.h"

namespace kolvar::winview {

int dpi_of(HWND hwnd) {
  // Looked up rather than linked, so the program still starts on a system
  // older than the function.
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto for_window = reinterpret_cast<GetDpiForWindow>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (for_window != nullptr && hwnd != nullptr) {
    const UINT dpi = for_window(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace kolvar::winview
