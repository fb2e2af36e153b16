#include "winview/main_window.h"

#include <algorithm>

#include "desk/prop_change.h"
#include "form/names.h"
#include "winview/dpi.h"
#include "winview/panel_window.h"
#include "winview/scale_memory.h"
#include "winview/starting_scale.h"
#include "winview/win_text.h"
#include "winview/window_class.h"

namespace kolvar::winview {

namespace {

constexpr const char* kWebLabel = "Веб-страница";

constexpr wchar_t kMainClass[] = L"KolvarMain";
constexpr UINT kCanvasId = 1;
constexpr UINT kStatusId = 2;

// The operator does not resize: panels beyond the form's size stay out of
// sight, as the model places them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

LRESULT CALLBACK main_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window && window->hwnd() == hwnd) return window->handle(message, wparam, lparam);
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void register_class() {
  register_window_class({.name = kMainClass,
                         .procedure = main_procedure,
                         .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         .icon = true});
}

}  // namespace

MainWindow::MainWindow(form::Controller& controller, FormWindow::Act act,
                       std::function<void()> on_close)
    : c_(controller), on_close_(std::move(on_close)) {
  static const bool common_controls = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)common_controls;
  register_class();
  hwnd_ = CreateWindowExW(0, kMainClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 300, 400,
                          nullptr, nullptr, GetModuleHandleW(nullptr), this);
  dpi_ = dpi_of(hwnd_);
  canvas_ = create_panel(hwnd_, PanelKind::Canvas, kCanvasId);
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0,
                            0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusId)),
                            GetModuleHandleW(nullptr), nullptr);
  parts_ = std::make_unique<StatusParts>(status_);
  view_ = std::make_unique<FormWindow>(c_, hwnd_, canvas_, dpi_, std::move(act));
  SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(view_->font()), FALSE);
  ShowWindow(canvas_, SW_SHOWNA);
  const form::Control& form = c_.c(ctl::Form1);
  for (form::Prop p :
       {form::Prop::Text, form::Prop::BackColor, form::Prop::TopMost, form::Prop::Width})
    show_form(form, p);
  set_scale(starting_scale(hwnd_));
  scale_keys_ = std::make_unique<ScaleKeys>(
      hwnd_, [this] { return scale_; },
      [this](int percent) {
        set_scale(percent);
        remember_scale(percent);
      });
}

MainWindow::~MainWindow() {
  scale_keys_.reset();
  // The controls go with the window; the view's fonts and brushes after them.
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  view_.reset();
}

void MainWindow::show() {
  ShowWindow(hwnd_, SW_SHOW);
  // Put on top again once shown: not every system keeps a hidden window's
  // place above the others.
  show_form(c_.c(ctl::Form1), form::Prop::TopMost);
  UpdateWindow(hwnd_);
}

void MainWindow::show_control(const form::Control& control, form::Prop prop) {
  view_->show(control, prop);
}

void MainWindow::show_form(const form::Control& form, form::Prop prop) {
  switch (desk::form_change(prop)) {
    case desk::FormChange::Title:
      SetWindowTextW(hwnd_, wide(form.text()).c_str());
      break;
    case desk::FormChange::OnTop:
      // Changes neither position nor size; a refusal is not the operator's
      // business.
      SetWindowPos(hwnd_, form.topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case desk::FormChange::Colours:
      set_panel_color(canvas_, colorref(form.back_color()), colorref(form.fore_color()));
      break;
    case desk::FormChange::Size:
      fit_to_form(form);
      break;
    case desk::FormChange::None:
      break;
  }
}

int MainWindow::status_height() const {
  RECT r;
  GetWindowRect(status_, &r);
  return r.bottom - r.top;
}

// The form's size is the window's outer size, frame, title and menu bar
// included; the status line adds its own height underneath.
void MainWindow::fit_to_form(const form::Control& form) {
  SendMessageW(status_, WM_SIZE, 0, 0);
  const int width = view_->px(form.width());
  const int height = view_->px(form.height()) + status_height();
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  place_children();
}

void MainWindow::place_children() {
  SendMessageW(status_, WM_SIZE, 0, 0);
  place_status_parts();
  RECT client;
  GetClientRect(hwnd_, &client);
  SetWindowPos(canvas_, nullptr, 0, 0, client.right, client.bottom - status_height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::set_scale(int percent) {
  if (!desk::is_scale_step(percent)) return;
  scale_ = percent;
  rescale(dpi_);
  keep_on_screen();
}

// The controls see one resolution: the monitor's, times the scale.
void MainWindow::rescale(int dpi) {
  dpi_ = dpi;
  view_->rescale(MulDiv(dpi_, scale_, 100));
  SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(view_->font()), TRUE);
  fit_to_form(c_.c(ctl::Form1));
}

// A window that grows past its monitor's edge moves back in, as far as it
// can without leaving at the top or the left.
void MainWindow::keep_on_screen() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!IsWindowVisible(hwnd_) ||
      !GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  const RECT room = monitor.rcWork;
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const int left =
      std::max(room.left, std::min(outer.left, room.right - (outer.right - outer.left)));
  const int top = std::max(room.top, std::min(outer.top, room.bottom - (outer.bottom - outer.top)));
  if (left != outer.left || top != outer.top)
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::set_status(const std::string& text) {
  if (status() == text) return;
  const std::wstring line = wide(text);
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(line.c_str()));
  // The whole line where the parts beside it leave it too little room.
  SendMessageW(status_, SB_SETTIPTEXTW, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void MainWindow::place_status_parts() {
  if (parts_) parts_->place(view_->font(), view_->px(12));
}

void MainWindow::show_web_address(const std::string& url) {
  web_address_ = wide(url);
  parts_->set(StatusParts::Web,
              {kWebLabel, url, [this, url] { qr_ = std::make_unique<QrWindow>(hwnd_, url); }});
}

void MainWindow::show_alert_button(const std::vector<std::string>& channels,
                                   std::function<void()> test_alert) {
  std::string tip = "Оповещения: ";
  for (std::size_t i = 0; i < channels.size(); ++i) tip += (i ? "; " : "") + channels[i];
  parts_->set(StatusParts::Alerts, {"Проверить оповещения", tip, std::move(test_alert)});
}

void MainWindow::show_alert_trouble(const std::string& line) {
  if (line.empty())
    parts_->clear(StatusParts::Trouble);
  else
    parts_->set(StatusParts::Trouble, {line, line});
}

void MainWindow::show_journal_button(std::function<void()> edit_note) {
  parts_->set(
      StatusParts::Journal,
      {"Журнал…", "Заметка к запуску: заряд, отборы, мощность, давление", std::move(edit_note)});
}

std::string MainWindow::status() const {
  const auto length = LOWORD(SendMessageW(status_, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(status_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return utf8(text);
}

LRESULT MainWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (view_ && view_->handle(message, wparam, lparam, &result)) return result;
  switch (message) {
    case WM_SIZE:
      if (view_) place_children();
      return 0;
    case WM_NOTIFY:
      if (parts_ && parts_->notified(*reinterpret_cast<const NMHDR*>(lparam))) return 0;
      break;
    case WM_PAINT:
      if (!painted_ && on_first_paint_) {
        painted_ = true;
        on_first_paint_();
      }
      break;
    case WM_DPICHANGED: {
      // Placed where the system suggests, at the size the form has at the new DPI.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      rescale(HIWORD(wparam));
      return 0;
    }
    case WM_CLOSE:
      if (on_close_) on_close_();
      return 0;  // the owner ends the loop; the window goes with it
    case WM_QUERYENDSESSION:
      // Logging off or shutting down: the column is stopped first, and the
      // session may end.
      if (on_close_) on_close_();
      return TRUE;
    case WM_ENDSESSION:
      if (wparam && on_close_) on_close_();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace kolvar::winview
