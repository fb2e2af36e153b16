#include "winview/live_plot.h"

#include <cstdint>

namespace kolvar::winview {

namespace {
// The plot whose F9 the keyboard hook of this thread serves.
thread_local LivePlot* keyed = nullptr;
}  // namespace

LivePlot::LivePlot(record::RunRecord& record, HWND main_window, chart::BackgroundChoice* background)
    : record_(record), main_(main_window) {
  window_.set_live(true);
  if (background) window_.share_background(*background);
  // Asked when needed: the record's file is made after the run's start is told.
  window_.set_under_way([this] { return running_ ? record_.file() : std::filesystem::path(); });
  record_.subscribe(*this);
  // A hook on this thread's keyboard input sees F9 whichever of the main
  // window's controls has the focus, without the main window's message
  // loop knowing of the plot.
  if (main_ && !keyed) {
    hook_ = SetWindowsHookExW(WH_KEYBOARD, &LivePlot::keyboard, nullptr, GetCurrentThreadId());
    if (hook_) keyed = this;
  }
}

LivePlot::~LivePlot() {
  if (hook_) {
    UnhookWindowsHookEx(hook_);
    keyed = nullptr;
  }
  record_.unsubscribe(*this);
}

LRESULT CALLBACK LivePlot::keyboard(int code, WPARAM key, LPARAM flags) {
  // Bit 31 of the flags: the key goes up; bit 30: it was down already.
  const bool pressed = (static_cast<std::uint32_t>(flags) & 0xC000'0000U) == 0;
  if (code == HC_ACTION && key == VK_F9 && pressed && keyed) {
    HWND focus = GetFocus();
    if (focus && GetAncestor(focus, GA_ROOT) == keyed->main_) {
      keyed->show();
      return 1;  // the key was the plot's
    }
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

void LivePlot::run_started(const std::vector<std::string>& settings) {
  window_.model().start(settings);
  running_ = true;
  window_.refresh();
}

void LivePlot::sample_taken(const record::Sample& sample) {
  window_.model().add(sample);
  // Only invalidates: at sixty times real speed many samples come between
  // two paints, and the window paints once for them all.
  window_.refresh();
}

void LivePlot::run_stopped() {
  window_.model().stop();
  running_ = false;
  window_.refresh();
}

void LivePlot::show() {
  ShowWindow(window_.hwnd(), IsIconic(window_.hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_.hwnd());
}

}  // namespace kolvar::winview
