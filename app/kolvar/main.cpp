// kolvar: the operator's window over the controller, on real time. Its
// settings live in "mytunes.log" in the working folder; its options are the
// web page's, the alerts' and the GPIO lines that stand for the port's data
// pins (the port file beside the settings may say those too).
#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "alert_window.h"
#include "alerts/alert_settings.h"
#include "platform/command_line.h"
#include "platform/ports/port_choice.h"
#include "platform/time/wall_clock.h"
#include "plot/live_plot.h"
#include "record/run_record.h"
#include "remote/web_plan.h"
#include "view/companions.h"
#include "view/desktop.h"
#include "view/quit_signals.h"
#include "view/stop_sound_setup.h"
#include "view/test_seam.h"
#include "web_window.h"

namespace {

constexpr char kUsage[] =
    "usage: kolvar [--port gpio:CHIP:L2,L3,...,L9[:active-low]]\n"
    "              [--web [ADDR:]PORT [--web-allow-stop]] [ALERTS]\n"
    "              [Qt's own options, such as -platform NAME]\n"
    "       kolvar --help | --version\n"
    "  Opens the operator's window over the column, working in the current\n"
    "  folder: settings in mytunes.log, the record of each run in runs/.\n"
    "  --port  the data pins 2 to 9 drive these lines of a GPIO chip (CHIP a\n"
    "          name such as gpiochip0 or its /dev path; Ln a line offset, or -\n"
    "          for a pin left unmapped; active-low for a relay board that\n"
    "          switches on a low line). Without it the lines of kolvar-port.conf\n"
    "          in the current folder, else the parallel port.\n"
    "  --web [ADDR:]PORT  serve a read-only web page of the run on PORT, this\n"
    "                     machine only; with ADDR (0.0.0.0: every network) a\n"
    "                     token guards it (see kolvar-web.conf)\n"
    "  --web-allow-stop   the page may stop the system (\"Стоп системы\")\n"
    "ALERTS (the same keys in kolvar-web.conf; see docs/alerts.md):\n";

// What the command line asks of this program.
struct Arguments {
  std::optional<kolvar::platform::GpioMap> port;
  kolvar::remote::WebCommandLine web;
  kolvar::remote::AlertCommandLine alerts;
  int status = 0;
};

// --help and --version need no display, so they are answered before the
// toolkit starts; Qt takes its own single-dash options out of argv, and
// whatever it leaves is this program's (the port's, the web page's, the
// alerts') or wrong.
Arguments our_arguments(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  Arguments result;
  try {
    result.port = kolvar::platform::take_port_option(args);
    for (std::size_t i = 0; i < args.size(); ++i)
      if (!kolvar::remote::take_web_option(args, i, result.web) &&
          !kolvar::remote::take_alert_option(args, i, result.alerts))
        throw std::invalid_argument("unknown option or argument " + args[i]);
    kolvar::remote::check_web_options(result.web);
  } catch (const std::invalid_argument& wrong) {
    std::cerr << "kolvar: " << wrong.what() << '\n' << kUsage << kolvar::remote::kAlertUsage;
    result.status = kolvar::platform::kUsageStatus;
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  using kolvar::platform::StandardOption;
  switch (kolvar::platform::standard_option(std::vector<std::string>(argv + 1, argv + argc))) {
    case StandardOption::Help:
      std::cout << kUsage << kolvar::remote::kAlertUsage;
      return 0;
    case StandardOption::Version:
      std::cout << kolvar::platform::version_line("kolvar");
      return 0;
    case StandardOption::None:
      break;
  }
  QApplication app(argc, argv);
  const Arguments arguments = our_arguments(argc, argv);
  if (arguments.status != 0) return arguments.status;
  QApplication::setApplicationName(QStringLiteral("Kolvar"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  kolvar::view::provide_stop_sound();

  kolvar::view::TestSeam seam;  // inert unless a test set its variables
  kolvar::view::Desktop::Wiring wiring = seam.wiring();
  if (!wiring.ports)
    wiring.ports = [port = arguments.port](const kolvar::platform::Clock&) {
      return kolvar::platform::chosen_ports(port, std::filesystem::current_path());
    };
  kolvar::view::Desktop desktop(std::move(wiring));
  seam.attach(desktop);
  // The record of every run, in runs/. Its rows reach the disk from a thread
  // of their own, so a slow disk never delays the cycle.
  const kolvar::platform::SystemWallClock wall;
  kolvar::record::RunRecord record(desktop.controller(), wall, {.background = true});
  // The plot of the run under way beside the window (F9 shows it again),
  // once the window manager has put the window in place.
  kolvar::plot::LivePlot plot(record, &desktop.window());
  kolvar::view::Companions beside(desktop.window());
  beside.add(plot.window());
  // The read-only page of the run, when asked for.
  int refused = 0;
  const auto page = kolvar::app::open_web_page(desktop, record, arguments.web, wall, refused);
  if (refused) return refused;
  // Alerts that leave the machine, when asked for.
  const auto alerts = kolvar::app::open_alerts(desktop, arguments.alerts, wall, refused);
  if (refused) return refused;
  kolvar::view::QuitSignals quit([&desktop](int) { desktop.end(); });
  desktop.start();
  seam.after_start(desktop);
  return QApplication::exec();
}
