#include "winview/window_class.h"

namespace kolvar::winview {

void register_window_class(const WindowClass& c) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW known{};
  known.cbSize = sizeof known;
  if (GetClassInfoExW(instance, c.name, &known)) return;
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  registered.style = c.style;
  registered.lpfnWndProc = c.procedure;
  registered.cbWndExtra = c.extra_bytes;
  registered.hInstance = instance;
  registered.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  registered.hbrBackground = c.background;
  registered.hIcon = c.icon ? LoadIconW(instance, MAKEINTRESOURCEW(1)) : nullptr;
  registered.lpszClassName = c.name;
  RegisterClassExW(&registered);
}

}  // namespace kolvar::winview
