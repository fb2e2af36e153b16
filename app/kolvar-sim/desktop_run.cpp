#include "kolvar-sim/desktop_run.h"

#include <QApplication>
#include <chrono>
#include <memory>
#include <ostream>

#include "alert_window.h"
#include "kolvar-sim/sim_test_seam.h"
#include "platform/failure.h"
#include "platform/time/wall_clock.h"
#include "plot/live_plot.h"
#include "record/run_record.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "simview/simulated_desktop.h"
#include "view/quit_signals.h"
#include "view/stop_sound_setup.h"
#include "view/test_seam.h"
#include "web_window.h"

namespace kolvar::simapp {

int run_window(int& argc, char** argv, const Options& o, std::ostream& err) {
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

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolvar"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  view::provide_stop_sound();

  std::unique_ptr<simview::SimulatedDesktop> made;
  try {
    made = std::make_unique<simview::SimulatedDesktop>(plant, o.cold);
  } catch (const Failure& failure) {  // a charge or heater that makes no column
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  simview::SimulatedDesktop& sim = *made;
  view::Desktop& desktop = sim.desktop();
  SimTestSeam watch;  // inert unless a test set its variables
  watch.attach(sim);
  view::QuitSignals quit([&desktop](int) { desktop.end(); });

  // The record of every run, in runs/. Its wall time runs on the model's
  // clock from the real moment the window opened, so at ×10 and ×60 the
  // record's times and the plot keep pace with the column.
  const platform::LocalTime opened =
      platform::SystemWallClock().now() - std::chrono::duration_cast<std::chrono::seconds>(
                                              std::chrono::milliseconds(desktop.clock().now()));
  const platform::FollowingWallClock wall(desktop.clock(), opened);
  record::RunRecord record(desktop.controller(), wall, {.background = true});
  // The plot of the run under way, beside the simulator's window.
  plot::LivePlot plot(record, &desktop.window());
  sim.companions().add(plot.window());

  // The read-only page of the run, when asked for.
  int refused = 0;
  const auto page = app::open_web_page(desktop, record, o.web, wall, refused);
  if (refused) return refused;
  // Alerts that leave the machine, when asked for.
  const auto alerts = app::open_alerts(desktop, o.alerts, wall, refused);
  if (refused) return refused;

  sim.start();
  view::TestSeam clicks;  // KOLVAR_TEST_CLICKS only: the ports stay the plant's
  clicks.after_start(desktop);
  return QApplication::exec();
}

}  // namespace kolvar::simapp
