#include "kolvar-sim/desktop_run.h"

#include <QApplication>
#include <memory>
#include <ostream>

#include "kolvar-sim/sim_test_seam.h"
#include "platform/failure.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "simview/simulated_desktop.h"
#include "view/quit_signals.h"
#include "view/test_seam.h"

namespace kolvar::simapp {

int run_window(int& argc, char** argv, const Options& o, std::ostream& err) {
  sim::PlantSettings plant = simrun::simulated_rig({o.litres, o.strength, o.watts, o.seed});
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

  // ---- The live plot of the run attaches here, beside the main window. Its
  // clock is the model's, desktop.clock(), so that at ×10 and ×60 the plot
  // keeps pace with the column:
  //   plot::LivePlot plot(desktop.controller(), desktop.clock(), desktop.window());

  sim.start();
  view::TestSeam clicks;  // KOLVAR_TEST_CLICKS only: the ports stay the plant's
  clicks.after_start(desktop);
  return QApplication::exec();
}

}  // namespace kolvar::simapp
