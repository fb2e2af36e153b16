// Showing the model's property changes on the Win32 controls.

#include "desk/prop_change.h"
#include "desk/role_look.h"
#include "desk/scroll_map.h"
#include "winview/control_paint.h"
#include "winview/form_window.h"
#include "winview/panel_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

// A scroll bar's page: the thumb's size and a click beside it.
constexpr UINT kScrollPage = 10;

bool has_caption(form::Kind kind) {
  return kind == form::Kind::CheckBox || kind == form::Kind::Button || kind == form::Kind::Frame;
}

}  // namespace

void FormWindow::show_all(const form::Control& control) {
  for (form::Prop p : desk::kShownAtFirst) show(control, p);
}

void FormWindow::show_text(const form::Control& c, HWND hwnd) {
  switch (c.kind()) {
    case form::Kind::DriveList:
    case form::Kind::DirList:
    case form::Kind::FileList:
      show_list(c, hwnd);
      return;
    case form::Kind::Shape:
    case form::Kind::Line:
    case form::Kind::ScrollBar:
      return;
    default:
      break;
  }
  const std::wstring text = has_caption(c.kind()) ? caption(c.text()) : wide(c.text());
  // Left alone when equal, so typing keeps its cursor.
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring now(static_cast<std::size_t>(length) + 1, L'\0');
  now.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, now.data(), length + 1)));
  if (now == text) return;
  showing_ = true;
  SetWindowTextW(hwnd, text.c_str());
  showing_ = false;
}

// A folder list shows the folder it stands in, a way up, then its folders;
// a file list its files with the chosen one selected; the drive list its
// drives with the chosen one shown.
void FormWindow::show_list(const form::Control& c, HWND hwnd) {
  showing_ = true;
  if (c.kind() == form::Kind::DriveList) {
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (const auto& item : c.items())
      SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    SendMessageW(hwnd, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(wide(c.text()).c_str()));
    showing_ = false;
    return;
  }
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
  auto add = [hwnd](const std::string& text) {
    return SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
  };
  if (c.kind() == form::Kind::DirList) {
    add(c.text());
    if (!c.text().empty()) add("..");
  }
  LRESULT chosen = -1;
  for (const auto& item : c.items()) {
    const LRESULT at = add(item);
    if (c.kind() == form::Kind::FileList && item == c.text()) chosen = at;
  }
  SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
  showing_ = false;
}

void FormWindow::show_value(const form::Control& c, HWND hwnd) {
  if (c.kind() == form::Kind::CheckBox) {
    SendMessageW(hwnd, BM_SETCHECK, c.value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  } else if (c.kind() == form::Kind::ScrollBar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = desk::bar_minimum(c);
    // Win32's maximum counts the page; the thumb then reaches the model's end.
    info.nMax = desk::bar_maximum(c) + static_cast<int>(kScrollPage) - 1;
    info.nPage = kScrollPage;
    info.nPos = desk::bar_position(c, c.value());
    SetScrollInfo(hwnd, SB_CTL, &info, TRUE);
  }
}

void FormWindow::show_tooltip(const form::Control& c, HWND hwnd) {
  if (!tooltip_) return;
  std::wstring text = wide(c.tooltip());
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(hwnd);
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
  tool.lpszText = text.data();
  const bool known = SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
  tool.lpszText = text.data();
  if (text.empty()) {
    if (known) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  } else if (known) {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FormWindow::show(const form::Control& c, form::Prop prop) {
  if (c.kind() == form::Kind::Menu) {
    menu_.show(c, prop);
    return;
  }
  HWND hwnd = hwnd_of(c);
  if (!hwnd) return;
  using desk::ControlChange;
  switch (desk::control_change(prop)) {
    case ControlChange::Text:
      show_text(c, hwnd);
      // A role's reading decides whether its cell shows a read error.
      if (desk::changes_look(c, prop)) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case ControlChange::Items:
      show_list(c, hwnd);
      break;
    case ControlChange::Value:
    case ControlChange::Range:
      show_value(c, hwnd);
      break;
    case ControlChange::Enabled:
      EnableWindow(hwnd, c.enabled());
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case ControlChange::Visible:
      ShowWindow(hwnd, c.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case ControlChange::Colours:
      if (c.kind() == form::Kind::Frame || c.kind() == form::Kind::Shape)
        set_panel_color(hwnd, colorref(c.back_color()), colorref(c.fore_color()));
      else
        InvalidateRect(hwnd, nullptr, TRUE);  // WM_CTLCOLOR* answers with the new colours
      break;
    case ControlChange::ToolTip:
      show_tooltip(c, hwnd);
      break;
    case ControlChange::Place:
      place(c, hwnd);
      break;
    case ControlChange::Restack:
      restack(c.container());
      break;
    // A menu item's check is the menu's; the controls show theirs as a value.
    case ControlChange::Checked:
    case ControlChange::None:
      break;
  }
}

}  // namespace kolvar::winview
