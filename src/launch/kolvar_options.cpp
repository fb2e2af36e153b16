#include "launch/kolvar_options.h"

#include <ostream>
#include <stdexcept>

#include "platform/ports/port_choice.h"

namespace kolvar::launch {

std::string kolvar_usage(bool gpio, bool toolkit_options) {
  std::string usage = "usage: kolvar";
  if (gpio) usage += " [--port gpio:CHIP:L2,L3,...,L9[:active-low]]\n             ";
  usage += " [--web [ADDR:]PORT [--web-allow-stop]] [ALERTS]\n";
  if (toolkit_options) usage += "              [Qt's own options, such as -platform NAME]\n";
  usage +=
      "       kolvar --help | --version\n"
      "  Opens the operator's window over the column, working in the current\n"
      "  folder: settings in mytunes.log, the record of each run in runs/.\n";
  if (gpio)
    usage +=
        "  --port  the data pins 2 to 9 drive these lines of a GPIO chip (CHIP a\n"
        "          name such as gpiochip0 or its /dev path; Ln a line offset, or -\n"
        "          for a pin left unmapped; active-low for a relay board that\n"
        "          switches on a low line). Without it the lines of kolvar-port.conf\n"
        "          in the current folder, else the parallel port.\n";
  return usage + remote::kWebUsage + remote::kAlertUsage;
}

KolvarOptions parse_kolvar_options(std::vector<std::string> args, bool gpio) {
  KolvarOptions result;
  if (gpio) result.port = platform::take_port_option(args);
  for (std::size_t i = 0; i < args.size(); ++i)
    if (!remote::take_web_option(args, i, result.web) &&
        !remote::take_alert_option(args, i, result.alerts))
      throw std::invalid_argument("unknown option or argument " + args[i]);
  remote::check_web_options(result.web);
  return result;
}

std::optional<KolvarOptions> kolvar_options_or_usage(int argc, char** argv, bool gpio,
                                                     const std::string& usage, std::ostream& err) {
  try {
    return parse_kolvar_options({argv + 1, argv + argc}, gpio);
  } catch (const std::invalid_argument& wrong) {
    err << "kolvar: " << wrong.what() << '\n' << usage << std::flush;
    return std::nullopt;
  }
}

}  // namespace kolvar::launch
