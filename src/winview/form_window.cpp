#include "winview/form_window.h"

#include <algorithm>
#include <set>

#include "desk/role_look.h"
#include "desk/scroll_map.h"
#include "desk/twips.h"
#include "winview/panel_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

// A text box tall enough for two lines of text holds several (the news).
constexpr int kMultiLineTwips = 450;
// Command identifiers of the controls and menu items: the control's place in
// the form's list, above those the system and dialogs use.
constexpr UINT kFirstId = 1000;
// A drop-down list is as tall as the model says while closed; opened, it
// shows this many entries.
constexpr int kDropDownEntries = 8;
// Overlapping siblings clip one another, so the one in front hides the rest.
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

HWND create(const wchar_t* window_class, DWORD style, DWORD ex_style, HWND parent, UINT id) {
  return CreateWindowExW(ex_style, window_class, L"", kChild | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

// Command identifiers in the form's order, both ways.
std::map<const form::Control*, UINT> identifiers(const form::Form& form) {
  std::map<const form::Control*, UINT> ids;
  UINT id = kFirstId;
  for (const auto& control : form.controls()) ids[control.get()] = id++;
  return ids;
}

std::map<UINT, form::Control*> controls_by_id(const form::Form& form) {
  std::map<UINT, form::Control*> controls;
  UINT id = kFirstId;
  for (const auto& control : form.controls()) controls[id++] = control.get();
  return controls;
}

}  // namespace

FormWindow::FormWindow(form::Controller& controller, HWND top, HWND canvas, int dpi, Act act)
    : c_(controller),
      top_(top),
      canvas_(canvas),
      dpi_(dpi),
      act_(std::move(act)),
      ids_(identifiers(controller.form)),
      by_id_(controls_by_id(controller.form)),
      paint_(dpi),
      menu_(controller.form, top, [this](const form::Control& c) { return id_of(c); }) {
  // Owned by nobody: under wine a window that owns a topmost tool tip can no
  // longer be put on top itself. The tools name their windows, so the tips
  // still show over this window alone.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  // Long tool tips wrap rather than run across the screen.
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, dpi_, 96));

  for (const auto& control : c_.form.controls()) {
    form::Control& ctl = *control;
    switch (ctl.kind()) {
      case form::Kind::Form:
      case form::Kind::Timer:
      case form::Kind::Menu:
        break;
      default: {
        HWND parent = ctl.container().empty() ? canvas_ : nullptr;
        if (!parent) {
          const form::Control* holder = c_.form.find_full(ctl.container());
          parent = holder ? hwnd_of(*holder) : nullptr;
        }
        make_control(ctl, parent ? parent : canvas_);
        if (HWND hwnd = hwnd_of(ctl)) {
          SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(paint_.font()), FALSE);
          show_all(ctl);
        }
      }
    }
  }
  std::set<std::string> containers;
  for (const auto& control : c_.form.controls()) containers.insert(control->container());
  for (const auto& container : containers) restack(container);
}

FormWindow::~FormWindow() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void FormWindow::make_control(form::Control& control, HWND parent) {
  const UINT id = ids_.at(&control);
  HWND w = nullptr;
  switch (control.kind()) {
    case form::Kind::Label:
      // SS_NOTIFY: a label hears the mouse, so its tool tip shows.
      w = create(WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, parent, id);
      break;
    case form::Kind::TextBox:
      if (control.height() >= kMultiLineTwips)
        w = create(
            WC_EDITW,
            WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0,
            parent, id);
      else
        w = create(WC_EDITW, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, parent, id);
      break;
    case form::Kind::CheckBox:
      // Not an automatic box: the click handler decides its check.
      w = create(WC_BUTTONW, WS_TABSTOP | BS_CHECKBOX, 0, parent, id);
      break;
    case form::Kind::ScrollBar:
      w = create(WC_SCROLLBARW, WS_TABSTOP | SBS_VERT, 0, parent, id);
      break;
    case form::Kind::Button:
      w = create(WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0, parent, id);
      break;
    case form::Kind::DriveList:
      w = create(WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, parent, id);
      break;
    case form::Kind::DirList:
    case form::Kind::FileList:
      w = create(WC_LISTBOXW,
                 WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, parent,
                 id);
      break;
    case form::Kind::Frame:
      w = create_panel(parent, PanelKind::Frame, id);
      set_panel_font(w, paint_.font());
      break;
    case form::Kind::Shape:
      w = create_indicator(parent, id);
      break;
    case form::Kind::Line:
      w = create(WC_STATICW, control.width() >= control.height() ? SS_ETCHEDHORZ : SS_ETCHEDVERT, 0,
                 parent, id);
      break;
    default:
      return;
  }
  if (!w) return;
  windows_[&control] = w;
  controls_[w] = &control;
}

HWND FormWindow::hwnd_of(const form::Control& control) const {
  auto it = windows_.find(&control);
  return it == windows_.end() ? nullptr : it->second;
}

const form::Control* FormWindow::control_of(HWND hwnd) const {
  auto it = controls_.find(hwnd);
  return it == controls_.end() ? nullptr : it->second;
}

UINT FormWindow::id_of(const form::Control& control) const {
  auto it = ids_.find(&control);
  return it == ids_.end() ? 0 : it->second;
}

int FormWindow::px(int twips) const {
  return desk::pixels(twips, dpi_);
}

void FormWindow::rescale(int dpi) {
  dpi_ = dpi;
  paint_.set_dpi(dpi);
  for (const auto& [control, hwnd] : windows_) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(paint_.font()), FALSE);
    if (control->kind() == form::Kind::Frame) set_panel_font(hwnd, paint_.font());
    place(*control, hwnd);
  }
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, dpi_, 96));
  InvalidateRect(canvas_, nullptr, TRUE);
}

void FormWindow::place(const form::Control& control, HWND hwnd) {
  int width = std::max(1, px(control.width()));
  int height = std::max(1, px(control.height()));
  if (control.width() <= 0 || control.height() <= 0) {
    // A control the layout has not placed yet still shows, at a size for a line.
    width = px(1200);
    height = px(285);
  }
  // A line is drawn along its longer side, one etched stroke thick.
  if (control.kind() == form::Kind::Line) {
    if (control.width() >= control.height())
      height = 2;
    else
      width = 2;
  }
  if (control.kind() == form::Kind::DriveList) height *= kDropDownEntries;
  SetWindowPos(hwnd, nullptr, px(control.left()), px(control.top()), width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::restack(const std::string& container) {
  std::vector<const form::Control*> siblings;
  for (const auto& control : c_.form.controls())
    if (control->container() == container && hwnd_of(*control)) siblings.push_back(control.get());
  std::stable_sort(siblings.begin(), siblings.end(),
                   [](auto* a, auto* b) { return a->z_order() < b->z_order(); });
  // Each goes to the top in turn, so the last, the frontmost, ends there.
  for (const form::Control* control : siblings)
    SetWindowPos(hwnd_of(*control), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::input(const std::function<void()>& what) {
  act_(what);
}

void FormWindow::command(form::Control& c, HWND hwnd, int code) {
  form::Control* ctl = &c;
  auto click = [this, ctl] { input([this, ctl] { c_.click(*ctl); }); };
  auto edit = [this, ctl](const std::string& value) {
    input([this, ctl, value] { c_.edit(*ctl, value); });
  };
  switch (c.kind()) {
    case form::Kind::Button:
    case form::Kind::CheckBox:
      if (code == BN_CLICKED) click();
      break;
    case form::Kind::TextBox:
      if (code == EN_CHANGE) edit(window_text(hwnd));
      break;
    case form::Kind::DriveList:
      if (code == CBN_SELCHANGE) {
        const auto index = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
        if (index >= 0 && static_cast<std::size_t>(index) < c.items().size())
          edit(c.items()[static_cast<std::size_t>(index)]);
      }
      break;
    case form::Kind::DirList:
    case form::Kind::FileList: {
      // A folder is entered by a double click, a file is chosen by one. The
      // folder list's first line is the folder it stands in, not a choice.
      const bool dir = c.kind() == form::Kind::DirList;
      if (code != (dir ? LBN_DBLCLK : LBN_SELCHANGE)) break;
      const auto index = SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
      if (index < 0 || (dir && index == 0)) break;
      const auto length = SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
      if (length < 0) break;
      std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
      SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(text.data()));
      text.resize(static_cast<std::size_t>(length));
      edit(utf8(text));
      break;
    }
    default:
      break;
  }
}

void FormWindow::scrolled(form::Control& c, HWND hwnd, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd, SB_CTL, &info);
  int position = info.nPos;
  const int page =
      std::max(1, static_cast<int>(info.nPage) > 0 ? static_cast<int>(info.nPage) : 10);
  switch (code) {
    case SB_LINEUP:
      position -= 1;
      break;
    case SB_LINEDOWN:
      position += 1;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    // A drag is one change, when the thumb is let go.
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    default:
      return;
  }
  position = std::clamp(position, info.nMin, info.nMax);
  if (position == info.nPos) return;
  form::Control* ctl = &c;
  const std::string value = std::to_string(desk::model_value(c, position));
  input([this, ctl, value] { c_.edit(*ctl, value); });
  // A refused value leaves the model as it was: the bar shows the model.
  show_value(c, hwnd);
}

bool FormWindow::handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND: {
      const UINT id = LOWORD(wparam);
      auto it = by_id_.find(id);
      if (it == by_id_.end()) return false;
      form::Control* ctl = it->second;
      if (lparam == 0) {
        // A menu item (or its accelerator).
        if (ctl->kind() != form::Kind::Menu) return false;
        input([this, ctl] { c_.click(*ctl); });
      } else if (!showing_) {
        command(*ctl, reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      }
      *result = 0;
      return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      auto hwnd = reinterpret_cast<HWND>(lparam);
      auto it = controls_.find(hwnd);
      if (it == controls_.end()) return false;
      scrolled(*it->second, hwnd, LOWORD(wparam));
      *result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      auto hwnd = reinterpret_cast<HWND>(lparam);
      const form::Control* c = control_of(hwnd);
      if (!c) return false;
      *result = reinterpret_cast<LRESULT>(paint_.colors(reinterpret_cast<HDC>(wparam),
                                                        desk::shown_colours(c_, *c),
                                                        IsWindowEnabled(hwnd) != FALSE));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kolvar::winview
