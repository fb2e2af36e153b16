// kolvar: the operator's window over the controller, on real time. It takes
// no options; its settings live in "mytunes.log" in the working folder.
#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "platform/wall_clock.h"
#include "plot/live_plot.h"
#include "view/desktop.h"
#include "view/quit_signals.h"
#include "view/stop_sound_setup.h"
#include "view/test_seam.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolvar"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  kolvar::view::provide_stop_sound();

  kolvar::view::TestSeam seam;  // inert unless a test set its variables
  kolvar::view::Desktop desktop(seam.wiring());
  seam.attach(desktop);
  // The record of every run and its plot beside the window (F9 shows it
  // again). Its rows reach the disk from a thread of their own, so a slow
  // disk never delays the cycle.
  const kolvar::platform::SystemWallClock wall;
  kolvar::plot::LivePlot plot(desktop.controller(), wall, &desktop.window(), {.background = true});
  kolvar::view::QuitSignals quit([&desktop](int) { desktop.end(); });
  desktop.start();
  seam.after_start(desktop);
  return QApplication::exec();
}
