#include "qtlaunch/sim_window_run.h"

#include <QApplication>
#include <iostream>
#include <memory>

#include "desk/sim_test_seam.h"
#include "launch/sim_note_at_stop.h"
#include "platform/failure.h"
#include "qtlaunch/qt_toolkit.h"
#include "qtlaunch/screen_picture.h"
#include "simview/simulated_desktop.h"
#include "view/stop_sound_setup.h"
#include "view/test_seam.h"

namespace kolvar::qtlaunch {

int run_sim_window(int& argc, char** argv, const launch::SimWindowOptions& options,
                   std::ostream& err) {
  std::unique_ptr<desk::SimulatedRig> rig;
  std::unique_ptr<QApplication> app;
  std::unique_ptr<simview::SimulatedDesktop> sim;
  try {
    const sim::PlantSettings plant = launch::window_plant(options.charge);
    app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
    view::provide_stop_sound();
    rig = std::make_unique<desk::SimulatedRig>(plant, options.cold);
    sim = std::make_unique<simview::SimulatedDesktop>(*rig);
  } catch (const Failure& failure) {  // no settings file, or a charge that makes no column
    err << "kolvar-sim: " << failure.what() << '\n';
    return 2;
  }
  view::Desktop& desktop = sim->desktop();
  desk::SimTestSeam seam;  // inert unless a test set its variables
  if (seam.speed() > 0) sim->sim_window().set_speed(seam.speed());
  std::unique_ptr<view::FirstPaintPrinter> painted;
  if (seam.events()) painted = std::make_unique<view::FirstPaintPrinter>(desktop);
  seam.attach(desktop, [](const std::string& file) {
    return screen_picture().save(QString::fromStdString(file));
  });

  QtToolkit toolkit(desktop, sim->companions());
  const platform::FollowingWallClock wall(
      desktop.clock(), launch::opened_at(desktop.clock(), platform::SystemWallClock()));
  return launch::run_desktop_program(
      toolkit,
      {"kolvar-sim", options.web, options.alerts,
       launch::sim_notes(desktop.controller(), rig->plant(), options.charge)},
      wall, std::cout, err);
}

}  // namespace kolvar::qtlaunch
