// The Windows desktop on a simulated column, on a steady clock the check
// sets (nothing sleeps): the simulator's window sets the model's speed and
// stands beside the main one; the end stops the column.
#include <chrono>
#include <exception>
#include <iostream>

#include "check.h"
#include "form/names.h"
#include "fresh_folder.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "winview/simulated_desktop.h"
#include "winview/win32.h"

namespace {

using namespace kolvar;
using windows_checks::pump;

sim::PlantSettings settled() {
  sim::PlantSettings rig = simrun::simulated_rig({});
  simrun::settle_settings_file(rig);
  return rig;
}

struct Rig {
  windows_checks::FreshFolder folder;
  form::ScaledMillis::Moment real{std::chrono::hours(1)};
  winview::SimulatedDesktop sim{settled(), true, [this] { return real; }};
};

// The rig's own rules are checked once, without a display (desk tests);
// here, what the Win32 windows add: a speed chosen in the simulator's window
// is the model clock's, and closing the desktop stops the column.
void the_simulator_window_sets_the_speed_and_the_end_stops_the_column() {
  Rig rig;
  winview::SimulatedDesktop& sim = rig.sim;
  sim.start();
  form::Controller& c = sim.desktop().controller();
  sim.desktop().act([&] { c.click(c.c(ctl::Start_sys_button)); });
  CHECK(c.c(ctl::Timer1).on());
  sim.sim_window().set_speed(10);
  CHECK(sim.rig().clock().speed() == 10);
  sim.desktop().end();
  CHECK(sim.rig().plant().status().stop_raised);
  pump();
}

void the_simulator_window_stands_beside_the_main_window() {
  Rig rig;
  HWND main = rig.sim.desktop().window().hwnd();
  HWND beside = rig.sim.sim_window().hwnd();
  CHECK(!IsWindowVisible(beside));
  rig.sim.start();
  for (int turn = 0; turn < 5; ++turn) pump();
  CHECK(IsWindowVisible(beside));
  RECT a{}, b{}, both{};
  GetWindowRect(main, &a);
  GetWindowRect(beside, &b);
  CHECK(!IntersectRect(&both, &a, &b));
  CHECK(rig.sim.companions().follows(beside));
  rig.sim.desktop().end();
  pump();
}

}  // namespace

int main() {
  try {
    the_simulator_window_sets_the_speed_and_the_end_stops_the_column();
    the_simulator_window_stands_beside_the_main_window();
  } catch (const std::exception& e) {
    std::cerr << "check stopped: " << e.what() << '\n';
    return 1;
  }
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
