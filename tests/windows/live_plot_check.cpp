// The Windows live plot follows the program's run record on virtual time: a
// start, a point per cycle with lines in the scene, the stop; the record goes
// on without the plot; closing the window hides it.
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <variant>

#include "check.h"
#include "fresh_folder.h"
#include "platform/time/wall_clock.h"
#include "settings/save.h"
#include "ui/headless.h"
#include "winview/live_plot.h"
#include "winview/win32.h"

namespace {

using namespace kolvar;
using windows_checks::pump;

struct Rig {
  Rig() {
    c().start();
    c().form.get("LogPath", 1).set_text("keeper.log");
    settings::OK_Click(c());
    std::ofstream("keeper.log", std::ios::binary) << "10:00:00 88.3      77.0\r\n";
  }
  form::Controller& c() { return h.controller; }
  void click(const char* name) { c().click(c().form.get(name)); }

  windows_checks::FreshFolder folder;
  ui::Headless h;
  platform::FollowingWallClock wall{h.clock, platform::LocalTime{}};
  record::RunRecord record{c(), wall, {.durable = false}};
  std::optional<winview::LivePlot> live{std::in_place, record, nullptr};
};

std::size_t lines_in(const chart::Scene& scene) {
  std::size_t points = 0;
  for (const chart::Item& item : scene.items)
    if (const auto* lines = std::get_if<chart::Lines>(&item)) points += lines->points.size();
  return points;
}

void follows_each_run() {
  Rig rig;
  winview::PlotWindow& window = rig.live->window();
  CHECK(!IsWindowVisible(window.hwnd()));  // whoever places it shows it
  rig.live->show();
  pump();
  CHECK(IsWindowVisible(window.hwnd()));
  const std::size_t empty_lines = lines_in(window.plot().scene());

  rig.h.advance(5000);
  CHECK(window.model().empty());  // nothing while stopped
  rig.click("Start_sys_button");
  rig.h.advance(6000);
  CHECK(window.model().points().points() == 3u);
  // The curves: more lines than the empty plot's frame and grid.
  CHECK(lines_in(window.plot().scene()) > empty_lines);
  // A sample only asks for a paint; the paint comes when the thread is idle.
  RECT dirty{};
  CHECK(GetUpdateRect(window.plot().hwnd(), &dirty, FALSE));
  pump();
  CHECK(!GetUpdateRect(window.plot().hwnd(), &dirty, FALSE));

  rig.click("Stop_sys_button");
  CHECK(window.model().stopped().has_value());
  CHECK(window.model().stopped() && window.model().stopped()->time == 6000);

  rig.click("Start_sys_button");
  CHECK(window.model().empty());  // a new run starts a new plot
  rig.h.advance(2000);
  CHECK(window.model().points().points() == 1u);

  SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
  CHECK(IsWindow(window.hwnd()));
  CHECK(!IsWindowVisible(window.hwnd()));  // closing only hides it
  rig.live->show();
  CHECK(IsWindowVisible(window.hwnd()));
}

void wheel_and_follow() {
  Rig rig;
  winview::PlotWindow& window = rig.live->window();
  rig.click("Start_sys_button");
  rig.h.advance(60'000);
  CHECK(window.follow_checked());
  const chart::Span whole = window.plot().span();
  RECT r{};
  GetWindowRect(window.plot().hwnd(), &r);
  window.plot().wheel(WHEEL_DELTA, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  CHECK(window.plot().span().width() < whole.width());  // zoomed in
  CHECK(!window.follow_checked());                      // and no longer following
  HWND follow = window.follow_button();
  SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(follow), BN_CLICKED),
               reinterpret_cast<LPARAM>(follow));
  CHECK(window.follow_checked());
  CHECK(window.plot().time().following());
}

// F9 typed while the main window has the keyboard shows the closed plot
// again; typed elsewhere, it is not the plot's.
void f9_in_the_main_window_shows_the_plot() {
  Rig rig;
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                              300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  rig.live.emplace(rig.record, main);
  HWND plot = rig.live->window().hwnd();
  auto type_f9 = [&] {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F9;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    // The keys come through this thread's queue: until they are handled,
    // or no more input comes (each wait ends with input or after a while).
    for (int turn = 0; turn < 20 && !IsWindowVisible(plot); ++turn) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      pump();
    }
  };
  SetForegroundWindow(main);
  SetFocus(main);
  pump();
  CHECK(!IsWindowVisible(plot));
  type_f9();
  CHECK(IsWindowVisible(plot));
  DestroyWindow(main);
}

void the_record_goes_on_without_the_plot() {
  Rig rig;
  rig.click("Start_sys_button");
  rig.h.advance(4000);
  CHECK(rig.live->window().model().points().points() == 2u);
  rig.live.reset();  // the plot goes mid-run: the record must not call it again
  rig.h.advance(4000);
  rig.click("Stop_sys_button");
  CHECK(!rig.record.file().empty());
  rig.live.emplace(rig.record, nullptr);
  rig.click("Start_sys_button");
  rig.h.advance(2000);
  CHECK(rig.live->window().model().points().points() == 1u);
}

}  // namespace

int main() {
  try {
    follows_each_run();
    wheel_and_follow();
    f9_in_the_main_window_shows_the_plot();
    the_record_goes_on_without_the_plot();
  } catch (const std::exception& e) {
    std::cerr << "check stopped: " << e.what() << '\n';
    return 1;
  }
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
