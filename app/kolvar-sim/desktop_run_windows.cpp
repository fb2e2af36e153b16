// kolvar-sim's windows on Windows: the main window on the simulated column,
// the simulator's window and the live plot beside it, in the working folder.
#include "kolvar-sim/desktop_run.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <ostream>

#include "kolvar-sim/win_sim_test_seam.h"
#include "kolvar/win_web_page.h"
#include "platform/failure.h"
#include "platform/processes/quit_requests.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "winview/live_plot.h"
#include "winview/message_loop.h"
#include "winview/simulated_desktop.h"
#include "winview/stop_sound_setup.h"
#include "winview/test_seam.h"

namespace kolvar::simapp {

namespace {

// A console's Ctrl+C or its closing, where the system lets this program
// have them; without, the window's own close and the session's end still
// stop the column.
std::unique_ptr<platform::QuitRequests> take_quit_requests(std::ostream& err) {
  try {
    return std::make_unique<platform::QuitRequests>();
  } catch (const std::exception& refused) {
    err << "kolvar-sim: " << refused.what() << '\n';
    return nullptr;
  }
}

}  // namespace

int run_window(int&, char**, const Options& o, std::ostream& err) {
  sim::PlantSettings plant =
      simrun::simulated_rig({o.litres, o.strength, o.watts, o.seed, o.pressure_hpa});
  // The status line then says where the outputs go.
  plant.port_name = "симулятор колонны";
  try {
    simrun::settle_settings_file(plant);
  } catch (const Failure& failure) {
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  winview::provide_stop_sound();

  std::unique_ptr<winview::SimulatedDesktop> made;
  try {
    made = std::make_unique<winview::SimulatedDesktop>(plant, o.cold);
  } catch (const Failure& failure) {  // a charge or heater that makes no column
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  winview::SimulatedDesktop& sim = *made;
  winview::Desktop& desktop = sim.desktop();
  WinSimTestSeam watch;  // inert unless a test set its variables
  watch.attach(sim);

  // The record of every run, in runs/. Its wall time runs on the model's
  // clock from the real moment the window opened, so at ×10 and ×60 the
  // record's times and the plot keep pace with the column.
  const platform::LocalTime opened =
      platform::SystemWallClock().now() - std::chrono::duration_cast<std::chrono::seconds>(
                                              std::chrono::milliseconds(desktop.clock().now()));
  const platform::FollowingWallClock wall(desktop.clock(), opened);
  record::RunRecord record(desktop.controller(), wall, {.background = true});
  // The plot of the run under way, beside the simulator's window.
  winview::LivePlot plot(record, desktop.window().hwnd());
  sim.companions().add(plot.window().hwnd());

  // The read-only page of the run, when asked for.
  int refused = 0;
  const auto page = app::WinWebPage::open(desktop, record, o.web, wall, "kolvar-sim", refused);
  if (refused) return refused;
  // The Win32 window has no alerts yet: an option that asks for them is not
  // silently dropped.
  if (o.alerts.any() || o.alerts.test_alert) {
    err << "kolvar-sim: alerts are not in the Windows window yet; use --headless\n";
    return 2;
  }

  const auto quit = take_quit_requests(err);
  sim.start();
  winview::TestSeam clicks;  // KOLVAR_TEST_CLICKS only: the ports stay the plant's
  clicks.after_start(desktop);
  return winview::run_message_loop([&] {
    std::vector<winview::Watch> watches = desktop.watches();
    if (page) watches.push_back(page->watch());
    if (quit)
      watches.push_back({quit->handle(), [&] {
                           quit->take();
                           desktop.end();
                         }});
    return watches;
  });
}

}  // namespace kolvar::simapp
