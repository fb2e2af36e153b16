// The Windows desktop on a simulated column, on a steady clock the check
// sets (nothing sleeps): the cycle finds the plant at its moment, catching up
// never passes a timer that is due, the settings' pins reach the plant, the
// end stops the column; the simulator's window stands beside the main one.
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

void the_cycle_finds_the_plant_at_its_moment() {
  Rig rig;
  winview::SimulatedDesktop& sim = rig.sim;
  sim.start();
  form::Controller& c = sim.desktop().controller();
  sim.desktop().act([&] { c.click(c.c(ctl::Start_sys_button)); });
  const form::Control& cycle = c.c(ctl::Timer1);
  CHECK(cycle.on());
  CHECK(cycle.due() == 2000);

  rig.real += std::chrono::seconds(3);  // the loop is late
  sim.rig().catch_up();
  // Not past the first timer due: its handler must find the plant at its moment.
  CHECK(sim.rig().plant().now() == sim.desktop().driver().next_due());
  sim.desktop().driver().run_due();
  // The cycle read the line the logger wrote at its moment: 09:00:02.
  CHECK(c.c(ctl::time_log2).text() == "09:00:02");
  CHECK(cycle.due() == 4000);
  sim.rig().catch_up();
  CHECK(sim.rig().plant().now() == 3000);
  // The pins the settings file ticked reach the plant: the column runs.
  CHECK(!sim.rig().plant().status().stop_raised);
  CHECK(sim.rig().plant().status().heater_on);
  // A speed chosen in the simulator's window is the model clock's.
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
    the_cycle_finds_the_plant_at_its_moment();
    the_simulator_window_stands_beside_the_main_window();
  } catch (const std::exception& e) {
    std::cerr << "check stopped: " << e.what() << '\n';
    return 1;
  }
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
