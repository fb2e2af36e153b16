#include "winview/message_box.h"

#include <algorithm>

#include "winview/dpi.h"
#include "winview/win_text.h"
#include "winview/window_class.h"

namespace kolvar::winview {

namespace {

constexpr wchar_t kBoxClass[] = L"KolvarMessage";
constexpr int kMargin = 12;       // pixels at 96 DPI
constexpr int kButtonWidth = 75;  // as the system's own boxes
constexpr int kButtonHeight = 23;
constexpr int kLongestLine = 420;

LRESULT CALLBACK box_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) DestroyWindow(hwnd);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_NCDESTROY:
      // The box's font goes with it.
      if (auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        DeleteObject(font);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void register_class() {
  register_window_class({.name = kBoxClass,
                         .procedure = box_procedure,
                         .background = GetSysColorBrush(COLOR_WINDOW)});
}

// The system's message font at dpi.
HFONT message_font(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, dpi, dpi_of(nullptr));
    return CreateFontIndirectW(&font);
  }
  return CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"Segoe UI");
}

}  // namespace

NonBlockingMessageBox::~NonBlockingMessageBox() {
  for (HWND box : standing()) DestroyWindow(box);
}

std::vector<HWND> NonBlockingMessageBox::standing() const {
  std::vector<HWND> live;
  for (HWND box : boxes_)
    if (IsWindow(box)) live.push_back(box);
  return live;
}

void NonBlockingMessageBox::show(const std::string& text) {
  shown_.push_back(text);
  if (on_show_) on_show_(text);
  boxes_ = standing();
  register_class();

  const int dpi = dpi_of(owner_);
  auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  HFONT font = message_font(dpi);

  // The text's size, wrapped at a readable width.
  const std::wstring body = wide(text);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  RECT extent{0, 0, scaled(kLongestLine), 0};
  DrawTextW(dc, body.c_str(), static_cast<int>(body.size()), &extent,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);

  const int margin = scaled(kMargin);
  const int button_width = scaled(kButtonWidth);
  const int button_height = scaled(kButtonHeight);
  const int inner_width = std::max<int>(extent.right, button_width) + 2 * margin;
  const int inner_height = static_cast<int>(extent.bottom) + button_height + 3 * margin;

  // Above an always-on-top owner a box must be on top too; owned, it stands
  // above its owner whatever else.
  const bool topmost = owner_ && (GetWindowLongPtrW(owner_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (topmost ? WS_EX_TOPMOST : 0);
  RECT outer{0, 0, inner_width, inner_height};
  AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;

  // Over the middle of its owner, or of the screen; each box a little below
  // and right of the one before, so that none hides another entirely.
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner_) GetWindowRect(owner_, &around);
  const int step = scaled(16) * static_cast<int>(boxes_.size() % 8);
  const int left = (around.left + around.right - width) / 2 + step;
  const int top = (around.top + around.bottom - height) / 2 + step;

  HWND box = CreateWindowExW(ex_style, kBoxClass, wide(kTitle).c_str(), style, left, top, width,
                             height, owner_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!box) {
    DeleteObject(font);
    return;
  }
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(font));
  HWND label = CreateWindowExW(
      0, WC_STATICW, body.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin, margin,
      extent.right, extent.bottom, box, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND ok = CreateWindowExW(
      0, WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      (inner_width - button_width) / 2, inner_height - margin - button_height, button_width,
      button_height, box, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDOK)),
      GetModuleHandleW(nullptr), nullptr);
  for (HWND child : {label, ok})
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  boxes_.push_back(box);
  if (owner_ && !IsWindowVisible(owner_)) {
    waiting_.push_back(box);
    return;
  }
  ShowWindow(box, SW_SHOW);
}

void NonBlockingMessageBox::owner_shown() {
  const bool topmost = (GetWindowLongPtrW(owner_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  for (HWND box : waiting_) {
    if (!IsWindow(box)) continue;
    // The owner may have been put on top after the box was made.
    SetWindowPos(box, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(box, SW_SHOW);
  }
  waiting_.clear();
}

}  // namespace kolvar::winview
