#include "winview/sim_window_run.h"

#include <iostream>
#include <memory>

#include "desk/sim_test_seam.h"
#include "desk/test_seam.h"
#include "launch/sim_note_at_stop.h"
#include "platform/failure.h"
#include "winview/simulated_desktop.h"
#include "winview/stop_sound_setup.h"
#include "winview/win_toolkit.h"

namespace kolvar::winview {

int run_sim_window(const launch::SimWindowOptions& options, std::ostream& err) {
  std::unique_ptr<SimulatedDesktop> sim;
  try {
    const sim::PlantSettings plant = launch::window_plant(options.charge);
    provide_stop_sound();
    sim = std::make_unique<SimulatedDesktop>(plant, options.cold);
  } catch (const Failure& failure) {  // no settings file, or a charge that makes no column
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  Desktop& desktop = sim->desktop();
  desk::SimTestSeam seam;  // inert unless a test set its variables
  if (seam.speed() > 0) sim->sim_window().set_speed(seam.speed());
  if (seam.events())
    desktop.window().on_first_paint(
        [&desktop] { desk::print_test_event(desktop.clock().now(), "shown"); });
  // A picture of the windows is taken from the display they are shown on.
  seam.attach(desktop);

  WinToolkit toolkit(desktop, sim->companions(), "kolvar-sim");
  const platform::FollowingWallClock wall(
      desktop.clock(), launch::opened_at(desktop.clock(), platform::SystemWallClock()));
  return launch::run_desktop_program(
      toolkit,
      {"kolvar-sim", options.web, options.alerts,
       launch::sim_notes(desktop.controller(), sim->rig().plant(), options.charge)},
      wall, std::cout, err);
}

}  // namespace kolvar::winview
