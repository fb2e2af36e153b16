#include "winview/note_window.h"

#include <algorithm>
#include <string>

#include "winview/centred_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

// Logical pixels (96 per inch).
constexpr int kMargin = 12;
constexpr int kCaptionWidth = 196;
constexpr int kGap = 8;
constexpr int kEntryWidth = 170;
constexpr int kRow = 26;
constexpr int kEntryHeight = 22;
constexpr int kLabelHeight = 18;
constexpr int kTextHeight = 110;
constexpr int kRefusalHeight = 50;  // three lines
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 26;
constexpr int kInnerWidth = kCaptionWidth + kGap + kEntryWidth + 2 * kMargin;
constexpr int kFieldsBottom = kMargin + static_cast<int>(journal::kNoteMeasures.size()) * kRow;
constexpr int kTextTop = kFieldsBottom + kLabelHeight + 4;
constexpr int kRefusalTop = kTextTop + kTextHeight + 6;
constexpr int kButtonsTop = kRefusalTop + kRefusalHeight + 6;
constexpr int kInnerHeight = kButtonsTop + kButtonHeight + kMargin;

constexpr COLORREF kRefusalColour = RGB(0xb0, 0, 0);

// The multi-line edit control breaks lines with CR LF.
std::wstring control_lines(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return wide(out);
}

}  // namespace

NoteWindow::NoteWindow(HWND owner, journal::NoteBook& notes) : notes_(notes), page_(notes.open()) {
  const double scale = scale_of(owner);
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT outer{0, 0, px(kInnerWidth, scale), px(kInnerHeight, scale)};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  create(L"KolvarNote", wide(page_.title).c_str(), style, WS_EX_DLGMODALFRAME, owner,
         centred_over(owner, outer.right - outer.left, outer.bottom - outer.top),
         GetSysColorBrush(COLOR_BTNFACE));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto child = [&](DWORD ex, const wchar_t* kind, const std::wstring& text, DWORD child_style,
                         int x, int y, int w, int h, int id) {
    return CreateWindowExW(ex, kind, text.c_str(), WS_CHILD | WS_VISIBLE | child_style,
                           px(x, scale), px(y, scale), px(w, scale), px(h, scale), hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  const int entry_left = kMargin + kCaptionWidth + kGap;
  for (std::size_t i = 0; i < measures_.size(); ++i) {
    const journal::NoteMeasure& m = journal::kNoteMeasures[i];
    const int y = kMargin + static_cast<int>(i) * kRow;
    child(0, L"STATIC", wide(m.caption), SS_LEFT | SS_CENTERIMAGE, kMargin, y, kCaptionWidth,
          kEntryHeight, -1);
    measures_[i] = child(WS_EX_CLIENTEDGE, L"EDIT", wide(page_.entries.measures[i]),
                         WS_TABSTOP | ES_AUTOHSCROLL, entry_left, y, kEntryWidth, kEntryHeight,
                         100 + static_cast<int>(i));
  }
  const int full_width = kInnerWidth - 2 * kMargin;
  child(0, L"STATIC", wide(journal::kNoteTextCaption), SS_LEFT, kMargin, kFieldsBottom, full_width,
        kLabelHeight, -1);
  text_ = child(WS_EX_CLIENTEDGE, L"EDIT", control_lines(page_.entries.text),
                WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kMargin,
                kTextTop, full_width, kTextHeight, 200);
  refusal_ =
      child(0, L"STATIC", L"", SS_LEFT, kMargin, kRefusalTop, full_width, kRefusalHeight, 201);
  ShowWindow(refusal_, SW_HIDE);
  const int cancel_left = kInnerWidth - kMargin - kButtonWidth;
  child(0, L"BUTTON", L"Сохранить", WS_TABSTOP | BS_DEFPUSHBUTTON,
        cancel_left - kGap - kButtonWidth, kButtonsTop, kButtonWidth, kButtonHeight, IDOK);
  child(0, L"BUTTON", L"Отмена", WS_TABSTOP | BS_PUSHBUTTON, cancel_left, kButtonsTop, kButtonWidth,
        kButtonHeight, IDCANCEL);
  font_ = create_ui_font(scale);
  set_font_of_all(hwnd(), font_);
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(measures_[0]);
}

NoteWindow::~NoteWindow() {
  // The window and its controls go first, the font after them.
  DestroyWindow(hwnd());
  if (font_) DeleteObject(font_);
}

void NoteWindow::save() {
  journal::NoteEntries edited;
  for (std::size_t i = 0; i < measures_.size(); ++i) edited.measures[i] = window_text(measures_[i]);
  edited.text = window_text(text_);
  const std::optional<std::string> refused = notes_.save(page_, edited);
  if (!refused) {
    ShowWindow(refusal_, SW_HIDE);
    ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  SetWindowTextW(refusal_, wide(*refused).c_str());
  ShowWindow(refusal_, SW_SHOW);
}

LRESULT NoteWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      // Enter and Escape come here too, through the message loop's dialog
      // keys.
      if (LOWORD(w) == IDOK) {
        save();
        return 0;
      }
      if (LOWORD(w) == IDCANCEL) {
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(l) == refusal_) {
        const HDC dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, kRefusalColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_CLOSE:
      ShowWindow(hwnd(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
