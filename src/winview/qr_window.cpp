#include "winview/qr_window.h"

#include <algorithm>

#include "winview/centred_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

constexpr int kModule = 6;  // logical pixels a module
constexpr int kMargin = 12;
constexpr int kTextWidth = 360;
constexpr int kAddressHeight = 40;
constexpr int kNoteHeight = 52;  // three lines
constexpr const char* kTitle = "Страница колонны на телефоне";
constexpr const char* kNote =
    "Наведите камеру телефона на код. Страница только показывает ход процесса; ключ в адресе "
    "никому не передавайте.";

}  // namespace

QrWindow::QrWindow(HWND owner, const std::string& url) : code_(remote::qr_code(url)) {
  scale_ = scale_of(owner);
  const int side = (code_.size + 2 * remote::kQrQuietModules) * kModule;
  const int inner_width = std::max(side, kTextWidth) + 2 * kMargin;
  const int inner_height = side + kAddressHeight + kNoteHeight + 3 * kMargin;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT outer{0, 0, px(inner_width, scale_), px(inner_height, scale_)};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  create(L"KolvarWebCode", wide(kTitle).c_str(), style, WS_EX_DLGMODALFRAME, owner,
         centred_over(owner, outer.right - outer.left, outer.bottom - outer.top),
         GetSysColorBrush(COLOR_WINDOW));
  const int text_top = px(side + kMargin, scale_);
  const int text_left = px(kMargin, scale_);
  const int text_width = px(inner_width - 2 * kMargin, scale_);
  // Read-only but selectable, so the address can be copied.
  CreateWindowExW(0, L"EDIT", wide(url).c_str(),
                  WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, text_left,
                  text_top, text_width, px(kAddressHeight, scale_), hwnd(), nullptr,
                  GetModuleHandleW(nullptr), nullptr);
  CreateWindowExW(0, L"STATIC", wide(kNote).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, text_left,
                  text_top + px(kAddressHeight + kMargin, scale_), text_width,
                  px(kNoteHeight, scale_), hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  font_ = create_ui_font(scale_);
  set_font_of_all(hwnd(), font_);
  ShowWindow(hwnd(), SW_SHOW);
}

QrWindow::~QrWindow() {
  // The window and its controls go first (WindowObject), the font after them.
  DestroyWindow(hwnd());
  if (font_) DeleteObject(font_);
}

int QrWindow::module() const {
  return std::max(1, px(kModule, scale_));
}

void QrWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  const int m = module();
  const int origin_x = px(kMargin, scale_) + remote::kQrQuietModules * m;
  const int origin_y = remote::kQrQuietModules * m;
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (int y = 0; y < code_.size; ++y)
    for (int x = 0; x < code_.size; ++x)
      if (code_.dark_at(x, y)) {
        const RECT r{origin_x + x * m, origin_y + y * m, origin_x + (x + 1) * m,
                     origin_y + (y + 1) * m};
        FillRect(dc, &r, black);
      }
  EndPaint(hwnd(), &ps);
}

LRESULT QrWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE:
      ShowWindow(hwnd(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
