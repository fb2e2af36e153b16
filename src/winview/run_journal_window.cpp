#include "winview/run_journal_window.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <exception>

#include "winview/beside_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

constexpr int kTableId = 301;
constexpr int kOpenId = 302;
constexpr int kBackgroundId = 303;
constexpr int kCloseId = 304;
// In logical pixels: the row of buttons under the table, and the window's
// first size.
constexpr int kRowHeight = 32;
constexpr int kFirstWidth = 1100;
constexpr int kFirstHeight = 420;
// Rows measured for the columns' widths: those a first look shows, and more.
constexpr std::size_t kMeasuredRows = 200;

}  // namespace

RunJournalWindow::RunJournalWindow(HWND owner) {
  static const bool list_views = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)list_views;
  create(L"KolvarRunJournal", L"Журнал запусков", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, owner,
         {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + kFirstWidth, CW_USEDEFAULT + kFirstHeight},
         GetSysColorBrush(COLOR_BTNFACE));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Owner data: the list asks for the texts of the rows it shows, so a
  // thousand runs cost a thousand rows of the model and nothing more.
  table_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                          LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                      0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kTableId), instance, nullptr);
  ListView_SetExtendedListViewStyle(table_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  auto button = [&](const wchar_t* text, int id) {
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
  };
  open_button_ = button(L"Открыть", kOpenId);
  background_button_ = button(L"Поставить фоном", kBackgroundId);
  close_button_ = button(L"Закрыть", kCloseId);
  status_ = CreateWindowExW(0, L"STATIC", L"",
                            WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_ENDELLIPSIS, 0, 0,
                            0, 0, hwnd(), nullptr, instance, nullptr);
  for (std::size_t k = 0; k < journal::RunTableModel::columns(); ++k) {
    const std::wstring title = wide(journal::RunTableModel::title(k));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    column.cx = 100;
    column.iSubItem = static_cast<int>(k);
    ListView_InsertColumn(table_, static_cast<int>(k), &column);
  }
  set_scale(scale_of(hwnd()));
  SetWindowPos(hwnd(), nullptr, 0, 0, px(kFirstWidth, scale_), px(kFirstHeight, scale_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RunJournalWindow::~RunJournalWindow() {
  if (font_) DeleteObject(font_);
}

void RunJournalWindow::list(const std::filesystem::path& folder) {
  std::string told = utf8(folder.wstring()) + ": ";
  try {
    rows_ = journal::RunTableModel::of_folder(folder);
    told += "запусков " + std::to_string(rows_.rows());
  } catch (const std::exception& e) {
    rows_ = {};
    told += e.what();
  }
  ListView_SetItemCountEx(table_, static_cast<int>(rows_.rows()), 0);
  InvalidateRect(table_, nullptr, TRUE);
  set_text(status_, told.c_str());
  const bool any = rows_.rows() > 0;
  if (any) {
    ListView_SetItemState(table_, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(table_, 0, FALSE);
  }
  fit_columns();
  EnableWindow(open_button_, any);
  EnableWindow(background_button_, any);
}

std::string RunJournalWindow::status() const {
  return window_text(status_);
}

std::optional<std::size_t> RunJournalWindow::selected() const {
  const int row = ListView_GetNextItem(table_, -1, LVNI_SELECTED);
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.rows()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void RunJournalWindow::choose(const Choice& choice) {
  if (const auto row = selected(); row && choice) choice(rows_.record(*row));
}

void RunJournalWindow::cell_text(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  const auto row = static_cast<std::size_t>(item.iItem);
  const auto column = static_cast<std::size_t>(item.iSubItem);
  item.pszText[0] = L'\0';
  if (row >= rows_.rows() || column >= journal::RunTableModel::columns()) return;
  const std::wstring text = wide(rows_.cell(row, column));
  // The list's buffer is short; a longer note is cut, whole characters kept.
  std::wcsncpy(item.pszText, text.c_str(), static_cast<std::size_t>(item.cchTextMax) - 1);
  item.pszText[item.cchTextMax - 1] = L'\0';
}

void RunJournalWindow::fit_columns() {
  // Each column as wide as its title and its longest text among the first
  // rows (the list's own font measures them); the note takes what is left.
  constexpr std::size_t kColumns = journal::RunTableModel::columns();
  std::array<int, kColumns> widths{};
  auto measure = [&](std::size_t column, const char* text) {
    const std::wstring shown = wide(text);
    widths[column] = std::max(widths[column], ListView_GetStringWidth(table_, shown.c_str()));
  };
  for (std::size_t k = 0; k < kColumns; ++k) measure(k, journal::RunTableModel::title(k));
  for (std::size_t row = 0; row < std::min(rows_.rows(), kMeasuredRows); ++row)
    for (std::size_t k = 0; k < kColumns; ++k) measure(k, rows_.cell(row, k).c_str());
  RECT r{};
  GetClientRect(table_, &r);
  int left = r.right - GetSystemMetrics(SM_CXVSCROLL);
  for (std::size_t k = 0; k < kColumns; ++k) {
    int width = widths[k] + px(16, scale_);
    if (k + 1 == kColumns) width = std::max(width, left);
    ListView_SetColumnWidth(table_, static_cast<int>(k), width);
    left -= width;
  }
}

void RunJournalWindow::set_scale(double scale) {
  scale_ = scale;
  rescale_ui_font(hwnd(), scale_, &font_);
  fit_columns();
  lay_out();
}

void RunJournalWindow::lay_out() {
  if (!table_ || !close_button_) return;  // WM_SIZE while being made
  RECT r{};
  GetClientRect(hwnd(), &r);
  const int gap = px(6, scale_), row = px(kRowHeight, scale_), height = row - 2 * gap / 2;
  const int bottom = r.bottom - row;
  MoveWindow(table_, gap, gap, std::max(0L, r.right - 2 * gap), std::max(0, bottom - gap), TRUE);
  int right = r.right - gap;
  for (auto [button, width] : {std::pair{close_button_, 90}, std::pair{background_button_, 150},
                               std::pair{open_button_, 90}}) {
    right -= px(width, scale_);
    MoveWindow(button, right, bottom + gap / 2, px(width, scale_), height, TRUE);
    right -= gap;
  }
  MoveWindow(status_, gap, bottom + gap / 2, std::max(0, right - gap), height, TRUE);
  fit_columns();
}

LRESULT RunJournalWindow::handle(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (handle_beside_window(
          hwnd(), message, w, l, SuggestedSize::Taken, [this](double scale) { set_scale(scale); },
          &result))
    return result;
  switch (message) {
    case WM_SIZE:
      lay_out();
      return 0;
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDOK:  // Enter, which the loop's dialog keys turn into the default command
        case kOpenId:
          choose(open_);
          return 0;
        case kBackgroundId:
          choose(background_);
          return 0;
        case kCloseId:
        case IDCANCEL:
          ShowWindow(hwnd(), SW_HIDE);
          return 0;
        default:
          break;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(l);
      if (header->idFrom != kTableId) break;
      if (header->code == LVN_GETDISPINFOW) {
        cell_text(*reinterpret_cast<NMLVDISPINFOW*>(l));
        return 0;
      }
      if (header->code == LVN_ITEMACTIVATE) {  // a double click
        choose(open_);
        return 0;
      }
      break;
    }
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
