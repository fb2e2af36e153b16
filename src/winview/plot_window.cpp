#include "winview/plot_window.h"

#include <algorithm>

#include "winview/beside_window.h"

namespace kolvar::winview {

namespace {

constexpr int kFollowId = 101;
// In logical pixels: the button row above the plot, the hint below it, and
// room for the plot, its axes and the legend (a small screen may give less).
constexpr int kBarHeight = 30;
constexpr int kHintHeight = 22;
constexpr int kFirstWidth = 900;
constexpr int kFirstHeight = 520;

}  // namespace

PlotWindow::PlotWindow() {
  create(L"KolvarPlotWindow", L"График — Kolvar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr,
         {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + kFirstWidth, CW_USEDEFAULT + kFirstHeight},
         GetSysColorBrush(COLOR_BTNFACE));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  follow_ = CreateWindowExW(0, L"BUTTON", L"Следить",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0,
                            0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kFollowId), instance, nullptr);
  SendMessageW(follow_, BM_SETCHECK, BST_CHECKED, 0);
  hint_ = CreateWindowExW(
      0, L"STATIC",
      L"Колесо мыши: масштаб времени; перетаскивание: сдвиг; двойной щелчок: весь ход",
      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_ENDELLIPSIS, 0, 0, 0, 0, hwnd(),
      nullptr, instance, nullptr);
  canvas_ = std::make_unique<PlotCanvas>(hwnd(), model_);
  canvas_->on_following([this](bool following) {
    SendMessageW(follow_, BM_SETCHECK, following ? BST_CHECKED : BST_UNCHECKED, 0);
  });
  // The window was made at the default position's monitor; its size is for
  // that monitor's scale.
  set_scale(scale_of(hwnd()));
  SetWindowPos(hwnd(), nullptr, 0, 0, px(kFirstWidth, scale_), px(kFirstHeight, scale_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

PlotWindow::~PlotWindow() {
  canvas_.reset();
  if (font_) DeleteObject(font_);
}

bool PlotWindow::follow_checked() const {
  return SendMessageW(follow_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PlotWindow::set_scale(double scale) {
  scale_ = scale;
  rescale_ui_font(hwnd(), scale_, &font_);
  lay_out();
}

void PlotWindow::lay_out() {
  // WM_SIZE may come while the window is being made, before its controls exist.
  if (!canvas_ || !follow_ || !hint_) return;
  RECT r{};
  GetClientRect(hwnd(), &r);
  const int bar = px(kBarHeight, scale_), hint = px(kHintHeight, scale_), gap = px(3, scale_);
  MoveWindow(follow_, gap, gap, px(90, scale_), bar - 2 * gap, TRUE);
  MoveWindow(canvas_->hwnd(), 0, bar, r.right, std::max(0L, r.bottom - bar - hint), TRUE);
  MoveWindow(hint_, px(6, scale_), r.bottom - hint, std::max(0L, r.right - px(12, scale_)), hint,
             TRUE);
}

LRESULT PlotWindow::handle(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (handle_beside_window(
          hwnd(), message, w, l, SuggestedSize::Taken, [this](double scale) { set_scale(scale); },
          &result))
    return result;
  switch (message) {
    case WM_SIZE:
      lay_out();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(l);
      limits->ptMinTrackSize = {px(320, scale_), px(200 + kBarHeight + kHintHeight, scale_)};
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(w) == kFollowId && HIWORD(w) == BN_CLICKED) {
        canvas_->follow();
        // Following is the button's only state: pressing it again keeps it.
        SendMessageW(follow_, BM_SETCHECK, BST_CHECKED, 0);
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      canvas_->wheel(GET_WHEEL_DELTA_WPARAM(w),
                     {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
      return 0;
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
