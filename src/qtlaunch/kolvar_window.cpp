#include "qtlaunch/kolvar_window.h"

#include <QApplication>
#include <filesystem>
#include <iostream>
#include <memory>

#include "desk/test_seam.h"
#include "launch/kolvar_options.h"
#include "launch/standard_options.h"
#include "platform/command_line.h"
#include "platform/ports/port_choice.h"
#include "qtlaunch/qt_toolkit.h"
#include "view/stop_sound_setup.h"
#include "view/test_seam.h"

namespace kolvar::qtlaunch {

int run_kolvar(int& argc, char** argv) {
  const std::string usage = launch::kolvar_usage(true, true);
  if (auto answered = launch::answer_standard_option(argc, argv, "kolvar", usage, std::cout))
    return *answered;
  // Qt takes its own single-dash options out of argv; whatever it leaves is
  // this program's or wrong.
  QApplication app(argc, argv);
  const auto options = launch::kolvar_options_or_usage(argc, argv, true, usage, std::cerr);
  if (!options) return platform::kUsageStatus;
  QApplication::setApplicationName(QStringLiteral("Kolvar"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  view::provide_stop_sound();

  const desk::TestSeam seam("fake", "fake2");  // inert unless a test set its variables
  desk::Desktop::Wiring wiring = seam.wiring();
  if (!wiring.ports)
    wiring.ports = [port = options->port](const platform::Clock&) {
      return platform::chosen_ports(port, std::filesystem::current_path());
    };
  view::Desktop desktop(std::move(wiring));
  std::unique_ptr<view::FirstPaintPrinter> painted;
  if (seam.printing()) painted = std::make_unique<view::FirstPaintPrinter>(desktop);
  view::Companions beside(desktop.window());
  QtToolkit toolkit(desktop, beside);
  const platform::SystemWallClock wall;
  return launch::run_desktop_program(toolkit, {"kolvar", options->web, options->alerts}, wall,
                                     std::cout, std::cerr);
}

}  // namespace kolvar::qtlaunch
