#include "winview/plot_window.h"

#include <commdlg.h>

#include <algorithm>
#include <exception>

#include "chart/record_file.h"
#include "winview/beside_window.h"
#include "winview/win_text.h"

namespace kolvar::winview {

namespace {

constexpr int kFollowId = 101;
constexpr int kJournalId = 102;
constexpr int kBackgroundId = 103;
constexpr int kNoBackgroundId = 104;
const std::wstring kTitle = L"График — Kolvar";
// In logical pixels: the button row above the plot, the hint below it, and
// room for the plot, its axes and the legend (a small screen may give less).
constexpr int kBarHeight = 30;
constexpr int kHintHeight = 22;
constexpr int kFirstWidth = 900;
constexpr int kFirstHeight = 520;

}  // namespace

PlotWindow::PlotWindow() {
  create(L"KolvarPlotWindow", kTitle.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr,
         {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + kFirstWidth, CW_USEDEFAULT + kFirstHeight},
         GetSysColorBrush(COLOR_BTNFACE));
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  follow_ = CreateWindowExW(0, L"BUTTON", L"Следить",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0,
                            0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kFollowId), instance, nullptr);
  SendMessageW(follow_, BM_SETCHECK, BST_CHECKED, 0);
  auto button = [&](const wchar_t* text, int id) {
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
  };
  journal_ = button(L"Журнал запусков…", kJournalId);
  choose_background_ = button(L"Фон…", kBackgroundId);
  no_background_ = button(L"Убрать фон", kNoBackgroundId);
  EnableWindow(no_background_, FALSE);
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
  chooser_ = [this](const std::filesystem::path& offered) {
    // The dialog takes whole paths in the system's own spelling.
    auto whole = [](const std::filesystem::path& path) {
      std::error_code ec;
      std::filesystem::path full = std::filesystem::absolute(path, ec);
      if (ec) full = path;
      return full.make_preferred().wstring();
    };
    std::wstring file = offered.empty() ? std::wstring() : whole(offered);
    file.resize(std::max<std::size_t>(file.size() + 1, MAX_PATH * 4), L'\0');
    const std::wstring folder = whole(runs_.runs_folder());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = L"Записи хода (*.csv)\0*.csv\0Все файлы (*.*)\0*.*\0";
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = offered.empty() ? folder.c_str() : nullptr;
    dialog.lpstrTitle = L"Фон: прошлый ход";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::filesystem::path();
    return std::filesystem::path(file.c_str());
  };
}

PlotWindow::~PlotWindow() {
  opened_.clear();
  journal_window_.reset();
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
  if (!canvas_ || !follow_ || !hint_ || !no_background_) return;
  RECT r{};
  GetClientRect(hwnd(), &r);
  const int bar = px(kBarHeight, scale_), hint = px(kHintHeight, scale_), gap = px(3, scale_);
  int left = gap;
  for (auto [button, width] : {std::pair{follow_, 90}, std::pair{journal_, 160},
                               std::pair{choose_background_, 70}, std::pair{no_background_, 100}}) {
    MoveWindow(button, left, gap, px(width, scale_), bar - 2 * gap, TRUE);
    left += px(width, scale_) + gap;
  }
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
      if (HIWORD(w) != BN_CLICKED) break;
      switch (LOWORD(w)) {
        case kJournalId:
          show_journal();
          return 0;
        case kBackgroundId:
          choose_background();
          return 0;
        case kNoBackgroundId:
          clear_background();
          return 0;
        default:
          break;
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

std::string PlotWindow::open_record(const std::filesystem::path& file) {
  chart::PlotModel loaded;
  try {
    chart::load_record(file, loaded);
  } catch (const std::exception& e) {
    return e.what();
  }
  model_ = std::move(loaded);
  runs_.show(file);
  canvas_->time().whole_run();
  canvas_->follow();
  SetWindowTextW(hwnd(), (L"График — " + file.filename().wstring() + L" — Kolvar").c_str());
  refresh();
  return {};
}

PlotWindow* PlotWindow::show_record(const std::filesystem::path& file) {
  PlotWindow* target = this;
  std::unique_ptr<PlotWindow> own;
  if (live_) {
    // The run under way keeps its window; the new one stays until this goes.
    own = std::make_unique<PlotWindow>();
    target = own.get();
  }
  if (const std::string error = target->open_record(file); !error.empty()) {
    tell_failure(file, error);
    return nullptr;
  }
  if (own) opened_.push_back(std::move(own));
  ShowWindow(target->hwnd(), SW_SHOW);
  SetForegroundWindow(target->hwnd());
  return target;
}

void PlotWindow::tell_failure(const std::filesystem::path& file, const std::string& reason) {
  const std::wstring text = L"Не удалось открыть «" + file.wstring() + L"»: " + wide(reason);
  MessageBoxW(hwnd(), text.c_str(), kTitle.c_str(), MB_OK | MB_ICONWARNING);
}

void PlotWindow::share_background(chart::BackgroundChoice& choice) {
  runs_.share_background(choice);
  background_changed();
}

std::string PlotWindow::open_background(const std::filesystem::path& file) {
  if (std::string error = runs_.open_background(file); !error.empty()) return error;
  background_changed();
  return {};
}

void PlotWindow::clear_background() {
  runs_.clear_background();
  background_changed();
}

void PlotWindow::background_changed() {
  const auto behind = runs_.background();
  EnableWindow(no_background_, behind != nullptr);
  canvas_->set_background(behind);
}

void PlotWindow::choose_background() {
  const std::filesystem::path file = chooser_(offered_background());
  if (file.empty()) return;
  if (const std::string error = open_background(file); !error.empty()) tell_failure(file, error);
}

RunJournalWindow& PlotWindow::show_journal() {
  if (!journal_window_) {
    journal_window_ = std::make_unique<RunJournalWindow>(hwnd());
    journal_window_->on_open([this](const std::filesystem::path& file) { show_record(file); });
    journal_window_->on_background([this](const std::filesystem::path& file) {
      if (const std::string error = open_background(file); !error.empty())
        tell_failure(file, error);
    });
  }
  journal_window_->list(runs_.folder_to_list());
  ShowWindow(journal_window_->hwnd(), SW_SHOW);
  SetForegroundWindow(journal_window_->hwnd());
  return *journal_window_;
}

}  // namespace kolvar::winview
