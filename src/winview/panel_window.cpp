#include "winview/panel_window.h"

#include <string>
#include <string_view>

#include "winview/window_class.h"

namespace kolvar::winview {

namespace {

constexpr wchar_t kPanelClass[] = L"KolvarPanel";
constexpr wchar_t kIndicatorClass[] = L"KolvarIndicator";

// What a panel keeps, in its window's extra bytes (so it goes with the
// window).
struct PanelData {
  PanelKind kind;
  COLORREF back;
  COLORREF fore;
  HFONT font;
};

enum Slot : int { kKindSlot, kBackSlot, kForeSlot, kFontSlot, kSlots };

LONG_PTR slot(HWND hwnd, Slot which) {
  return GetWindowLongPtrW(hwnd, which * static_cast<int>(sizeof(LONG_PTR)));
}

void set_slot(HWND hwnd, Slot which, LONG_PTR value) {
  SetWindowLongPtrW(hwnd, which * static_cast<int>(sizeof(LONG_PTR)), value);
}

PanelData data_of(HWND hwnd) {
  return {
      static_cast<PanelKind>(slot(hwnd, kKindSlot)), static_cast<COLORREF>(slot(hwnd, kBackSlot)),
      static_cast<COLORREF>(slot(hwnd, kForeSlot)), reinterpret_cast<HFONT>(slot(hwnd, kFontSlot))};
}

// A frame's border runs through the middle of its caption's line.
void paint_frame(HWND hwnd, HDC dc, const PanelData& data) {
  RECT all;
  GetClientRect(hwnd, &all);
  HBRUSH back = CreateSolidBrush(data.back);
  FillRect(dc, &all, back);
  DeleteObject(back);
  if (data.kind != PanelKind::Frame) return;

  HGDIOBJ old_font = SelectObject(dc, data.font ? data.font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT border = all;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

  const int length = GetWindowTextLengthW(hwnd);
  if (length > 0) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    const int indent = metrics.tmAveCharWidth;
    RECT caption{all.left + indent, all.top, all.right - indent, all.top + metrics.tmHeight};
    SetBkColor(dc, data.back);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? data.fore : GetSysColor(COLOR_GRAYTEXT));
    // The caption is one line with a blank either side, its background
    // breaking the border.
    std::wstring padded = L" " + text + L" ";
    DrawTextW(dc, padded.c_str(), static_cast<int>(padded.size()), &caption,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  SelectObject(dc, old_font);
}

LRESULT CALLBACK panel_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // all painted in WM_PAINT, without a flicker between
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      paint_frame(hwnd, dc, data_of(hwnd));
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = DefWindowProcW(hwnd, message, wparam, lparam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    // The controls' notifications belong to the top window, which knows
    // the model.
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(hwnd), message, wparam, lparam);
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK indicator_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT r;
    GetClientRect(hwnd, &r);
    const auto color = static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HBRUSH fill = CreateSolidBrush(color);
    HGDIOBJ old_brush = SelectObject(dc, fill);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(fill);
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void register_classes() {
  const int slots = kSlots * static_cast<int>(sizeof(LONG_PTR));
  register_window_class({.name = kPanelClass, .procedure = panel_procedure, .extra_bytes = slots});
  register_window_class(
      {.name = kIndicatorClass, .procedure = indicator_procedure, .extra_bytes = slots});
}

// Siblings that overlap clip one another, so the one in front hides the rest.
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

}  // namespace

HWND create_panel(HWND parent, PanelKind kind, UINT id) {
  register_classes();
  // WS_EX_CONTROLPARENT: Tab moves through the panel's controls.
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", kChild | WS_CLIPCHILDREN, 0, 0,
                              0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd) {
    set_slot(hwnd, kKindSlot, static_cast<LONG_PTR>(kind));
    set_slot(hwnd, kBackSlot, static_cast<LONG_PTR>(GetSysColor(COLOR_BTNFACE)));
    set_slot(hwnd, kForeSlot, static_cast<LONG_PTR>(GetSysColor(COLOR_BTNTEXT)));
  }
  return hwnd;
}

HWND create_indicator(HWND parent, UINT id) {
  register_classes();
  HWND hwnd = CreateWindowExW(0, kIndicatorClass, L"", kChild, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(RGB(255, 255, 255)));
  return hwnd;
}

void set_panel_color(HWND panel, COLORREF back, COLORREF fore) {
  wchar_t name[32] = {};
  GetClassNameW(panel, name, 32);
  if (std::wstring_view(name) == kIndicatorClass) {
    SetWindowLongPtrW(panel, GWLP_USERDATA, static_cast<LONG_PTR>(back));
  } else {
    set_slot(panel, kBackSlot, static_cast<LONG_PTR>(back));
    set_slot(panel, kForeSlot, static_cast<LONG_PTR>(fore));
  }
  InvalidateRect(panel, nullptr, FALSE);
}

void set_panel_font(HWND panel, HFONT font) {
  set_slot(panel, kFontSlot, reinterpret_cast<LONG_PTR>(font));
  InvalidateRect(panel, nullptr, FALSE);
}

}  // namespace kolvar::winview
