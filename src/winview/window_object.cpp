#include "winview/window_object.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "platform/wide_text.h"
#include "winview/dpi.h"
#include "winview/window_class.h"

namespace kolvar::winview {

WindowObject::~WindowObject() {
  if (hwnd_) {
    // Nothing may reach this object any more while the window goes.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void WindowObject::create(const wchar_t* class_name, const wchar_t* title, DWORD style,
                          DWORD ex_style, HWND parent, RECT bounds, HBRUSH background,
                          UINT class_style) {
  register_window_class({.name = class_name,
                         .procedure = &WindowObject::procedure,
                         .background = background,
                         .style = class_style,
                         .icon = true});
  CreateWindowExW(ex_style, class_name, title, style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                  GetModuleHandleW(nullptr), this);
}

LRESULT WindowObject::handle(UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(hwnd_, message, w, l);
}

LRESULT CALLBACK WindowObject::procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, w, l);
  }
  // An exception must not unwind through the system's frames between here
  // and the message loop: it is told, and the message counts as handled.
  try {
    return self->handle(message, w, l);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kolvar: %s\n", error.what());
    return 0;
  }
}

double scale_of(HWND hwnd) {
  return static_cast<double>(dpi_of(hwnd)) / kBaseDpi;
}

int px(int logical, double scale) {
  return static_cast<int>(std::lround(logical * scale));
}

LOGFONTW message_face() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return metrics.lfMessageFont;
  LOGFONTW face{};
  lstrcpyW(face.lfFaceName, L"Tahoma");
  return face;
}

HFONT create_ui_font(double scale) {
  LOGFONTW face = message_face();
  // 9 points at the window's own scale, whatever the system's DPI was at logon.
  face.lfHeight = -static_cast<LONG>(std::lround(12 * scale));
  face.lfWidth = 0;
  return CreateFontIndirectW(&face);
}

namespace {
// A callback of the system's calling convention (stdcall in the 32-bit
// build), which a lambda does not have.
BOOL CALLBACK give_font(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  return TRUE;
}
}  // namespace

void set_font_of_all(HWND hwnd, HFONT font) {
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EnumChildWindows(hwnd, &give_font, reinterpret_cast<LPARAM>(font));
}

void rescale_ui_font(HWND hwnd, double scale, HFONT* font) {
  HFONT was = *font;
  *font = create_ui_font(scale);
  set_font_of_all(hwnd, *font);
  if (was) DeleteObject(was);
}

void set_text(HWND hwnd, const char* utf8) {
  const std::wstring text = platform::wide_from_utf8(utf8);
  SetWindowTextW(hwnd, text.c_str());
}

}  // namespace kolvar::winview
