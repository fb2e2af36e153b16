#include "winview/sim_window.h"

#include <algorithm>

#include "platform/wide_text.h"
#include "winview/beside_window.h"

namespace kolvar::winview {

namespace {

// Control identifiers: the first of the rows' values, of the speeds and of
// the fault switches, the sensor fault's three, the pressure to set.
enum ControlId : int {
  kRowId = 200,
  kSpeedId = 300,
  kFaultId = 400,
  kSensorId = 500,
  kSensorWhichId,
  kSensorKindId,
  kPressureId = 600,
};
constexpr UINT_PTR kRefreshTimer = 1;

// The layout in logical pixels.
constexpr int kMargin = 10;
constexpr int kTitleWidth = 150;
constexpr int kValueWidth = 210;
constexpr int kRowHeight = 20;
constexpr int kButtonHeight = 26;
constexpr int kGroupTop = 20;  // the group's caption
constexpr int kInner = 10;
constexpr int kWidth = 2 * kMargin + 2 * kInner + kTitleWidth + kValueWidth;

void check(HWND button, bool on) {
  SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

SimWindow::SimWindow(Links links) : panel_(std::move(links)) {
  create(L"KolvarSimWindow", L"Симулятор колонны — Kolvar",
         // Not clipping its children: a group box paints its frame alone, so the
         // window's background must show inside it.
         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, nullptr,
         {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 400, CW_USEDEFAULT + 500},
         GetSysColorBrush(COLOR_BTNFACE));

  state_group_ = add(nullptr, L"BUTTON", simrun::kStateGroup, BS_GROUPBOX, 0);
  for (std::size_t k = 0; k < simrun::kPlantRows.size(); ++k) {
    labels_.push_back(add(nullptr, L"STATIC", simrun::kPlantRows[k].title, SS_LEFT, 0));
    add(simrun::kPlantRows[k].name, L"STATIC", "", SS_LEFT | SS_NOPREFIX,
        kRowId + static_cast<int>(k));
  }

  pressure_label_ = add(nullptr, L"STATIC", simrun::kPressureSettingTitle, SS_LEFT, 0);
  add("pressure_setting", L"EDIT", panel_.pressure_text().c_str(),
      WS_BORDER | ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, kPressureId);

  speed_group_ = add(nullptr, L"BUTTON", simrun::kSpeedGroup, BS_GROUPBOX, 0);
  for (std::size_t k = 0; k < std::size(simrun::kSpeeds); ++k) {
    const int s = simrun::kSpeeds[k];
    const std::string name = "speed_" + std::to_string(s);
    HWND button = add(name.c_str(), L"BUTTON", ("×" + std::to_string(s)).c_str(),
                      BS_AUTORADIOBUTTON | WS_TABSTOP | (k == 0 ? WS_GROUP : 0),
                      kSpeedId + static_cast<int>(k));
    check(button, s == panel_.speed());
  }

  fault_group_ = add(nullptr, L"BUTTON", simrun::kFaultGroup, BS_GROUPBOX, 0);
  for (std::size_t k = 0; k < simrun::kFaultSwitches.size(); ++k) {
    const simrun::FaultSwitch& fault = simrun::kFaultSwitches[k];
    add(fault.name, L"BUTTON", fault.title,
        BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP | (k == 0 ? WS_GROUP : 0),
        kFaultId + static_cast<int>(k));
  }
  add("fault_sensor", L"BUTTON", simrun::kSensorFaultTitle,
      BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, kSensorId);
  HWND which = add("fault_sensor_which", L"COMBOBOX", "",
                   CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kSensorWhichId);
  for (const std::string& choice : simrun::sensor_choices(panel_.settings())) {
    const std::wstring text = platform::wide_from_utf8(choice);
    SendMessageW(which, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(which, CB_SETCURSEL, 0, 0);
  HWND kind =
      add("fault_sensor_kind", L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP, kSensorKindId);
  for (const simrun::SensorFaultKind& k : simrun::kSensorFaultKinds) {
    const std::wstring text = platform::wide_from_utf8(k.title);
    SendMessageW(kind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(kind, CB_SETCURSEL, 0, 0);

  set_scale(scale_of(hwnd()));
  SetTimer(hwnd(), kRefreshTimer, simrun::kSimRefreshMs, nullptr);
  refresh();
}

SimWindow::~SimWindow() {
  if (hwnd()) KillTimer(hwnd(), kRefreshTimer);
  if (font_) DeleteObject(font_);
}

HWND SimWindow::add(const char* name, const wchar_t* kind, const char* text, DWORD style, int id) {
  const std::wstring wide = platform::wide_from_utf8(text);
  HWND control = CreateWindowExW(0, kind, wide.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                 hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (name) controls_[name] = control;
  return control;
}

HWND SimWindow::control(const std::string& name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

int SimWindow::selected(const char* combo) const {
  return static_cast<int>(SendMessageW(control(combo), CB_GETCURSEL, 0, 0));
}

void SimWindow::set_scale(double scale) {
  scale_ = scale;
  rescale_ui_font(hwnd(), scale_, &font_);
  lay_out();
}

void SimWindow::lay_out() {
  const double s = scale_;
  auto place = [s](HWND w, int x, int y, int width, int height) {
    MoveWindow(w, px(x, s), px(y, s), px(width, s), px(height, s), TRUE);
  };
  const int group_width = kWidth - 2 * kMargin;
  const int inner_width = group_width - 2 * kInner;
  int y = kMargin;

  const int rows = static_cast<int>(simrun::kPlantRows.size());
  // The rows, then the pressure to set.
  place(state_group_, kMargin, y, group_width, kGroupTop + (rows + 1) * kRowHeight + 2 + kInner);
  for (int k = 0; k < rows; ++k) {
    const int row_y = y + kGroupTop + k * kRowHeight;
    place(labels_[static_cast<std::size_t>(k)], kMargin + kInner, row_y, kTitleWidth, kRowHeight);
    place(control(simrun::kPlantRows[static_cast<std::size_t>(k)].name),
          kMargin + kInner + kTitleWidth, row_y, kValueWidth, kRowHeight);
  }
  const int setting_y = y + kGroupTop + rows * kRowHeight;
  place(pressure_label_, kMargin + kInner, setting_y + 2, kTitleWidth, kRowHeight);
  place(control("pressure_setting"), kMargin + kInner + kTitleWidth, setting_y, 80, kRowHeight + 2);
  y += kGroupTop + (rows + 1) * kRowHeight + 2 + kInner + kMargin;

  place(speed_group_, kMargin, y, group_width, kGroupTop + kButtonHeight + kInner / 2);
  const int speeds = static_cast<int>(std::size(simrun::kSpeeds));
  for (int k = 0; k < speeds; ++k)
    place(control("speed_" + std::to_string(simrun::kSpeeds[k])),
          kMargin + kInner + k * inner_width / speeds, y + kGroupTop, inner_width / speeds - 4,
          kButtonHeight);
  y += kGroupTop + kButtonHeight + kInner / 2 + kMargin;

  const int fault_rows = simrun::kFaultRows;
  place(fault_group_, kMargin, y, group_width,
        kGroupTop + fault_rows * (kButtonHeight + 4) + kInner / 2);
  const int half = (inner_width - 6) / 2;
  for (const simrun::FaultSwitch& fault : simrun::kFaultSwitches)
    place(control(fault.name), kMargin + kInner + fault.column * (half + 6),
          y + kGroupTop + fault.row * (kButtonHeight + 4), half, kButtonHeight);
  const int sensor_y = y + kGroupTop + simrun::kSensorFaultRow * (kButtonHeight + 4);
  const int button_width = 100, kind_width = 130;
  place(control("fault_sensor"), kMargin + kInner, sensor_y, button_width, kButtonHeight);
  place(control("fault_sensor_which"), kMargin + kInner + button_width + 4, sensor_y + 1,
        inner_width - button_width - kind_width - 8, 200);
  place(control("fault_sensor_kind"), kMargin + kInner + inner_width - kind_width, sensor_y + 1,
        kind_width, 200);
  y += kGroupTop + fault_rows * (kButtonHeight + 4) + kInner / 2 + kMargin;

  // The client area to fit, the frame around it.
  RECT bounds{0, 0, px(kWidth, s), px(y, s)};
  AdjustWindowRectEx(&bounds, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
  SetWindowPos(hwnd(), nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SimWindow::command(int id, int code) {
  if (id >= kSpeedId && id < kSpeedId + static_cast<int>(std::size(simrun::kSpeeds))) {
    if (code == BN_CLICKED) set_speed(simrun::kSpeeds[id - kSpeedId]);
    return;
  }
  if (id >= kFaultId && id < kFaultId + static_cast<int>(simrun::kFaultSwitches.size())) {
    if (code != BN_CLICKED) return;
    const auto index = static_cast<std::size_t>(id - kFaultId);
    panel_.set_fault(index, SendMessageW(control(simrun::kFaultSwitches[index].name), BM_GETCHECK,
                                         0, 0) == BST_CHECKED);
    refresh();
    return;
  }
  if (id == kPressureId && code == EN_CHANGE) {
    wchar_t typed[32] = {};
    GetWindowTextW(control("pressure_setting"), typed, 32);
    std::string text;
    for (const wchar_t* c = typed; *c; ++c) text += *c < 128 ? static_cast<char>(*c) : '?';
    if (const auto hpa = simrun::pressure_setting(text)) {
      panel_.set_pressure(*hpa);
      refresh();
    }
    return;
  }
  if (id == kSensorId && code == BN_CLICKED) {
    set_sensor_fault(SendMessageW(control("fault_sensor"), BM_GETCHECK, 0, 0) == BST_CHECKED);
  } else if (id == kSensorWhichId && code == CBN_SELCHANGE) {
    show_faults();
  } else if (id == kSensorKindId && code == CBN_SELCHANGE) {
    // A sensor that is out changes how it fails at once.
    if (panel_.sensor_fault_on(selected("fault_sensor_which"))) set_sensor_fault(true);
  }
}

void SimWindow::set_sensor_fault(bool on) {
  panel_.set_sensor_fault(selected("fault_sensor_which"), selected("fault_sensor_kind"), on);
  refresh();
}

void SimWindow::set_speed(int speed) {
  panel_.set_speed(speed);
  for (int s : simrun::kSpeeds) check(control("speed_" + std::to_string(s)), s == panel_.speed());
}

void SimWindow::show_faults() {
  for (std::size_t k = 0; k < simrun::kFaultSwitches.size(); ++k)
    check(control(simrun::kFaultSwitches[k].name), panel_.fault_on(k));
  check(control("fault_sensor"), panel_.sensor_fault_on(selected("fault_sensor_which")));
}

void SimWindow::refresh() {
  panel_.catch_up();
  show_plant();
}

void SimWindow::show_plant() {
  const auto values = panel_.values();
  for (std::size_t k = 0; k < values.size(); ++k) {
    // Only a changed text is set: each setting repaints the label.
    if (values[k] == shown_[k]) continue;
    shown_[k] = values[k];
    set_text(control(simrun::kPlantRows[k].name), values[k].c_str());
  }
  show_faults();
}

LRESULT SimWindow::handle(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (handle_beside_window(
          hwnd(), message, w, l, SuggestedSize::Kept, [this](double scale) { set_scale(scale); },
          &result))
    return result;
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(w), HIWORD(w));
      return 0;
    case WM_TIMER:
      if (w == kRefreshTimer) refresh();
      return 0;
    default:
      break;
  }
  return WindowObject::handle(message, w, l);
}

}  // namespace kolvar::winview
