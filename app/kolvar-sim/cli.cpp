#include "kolvar-sim/cli.h"

#include <ostream>
#include <stdexcept>

#include "alerts/alert_settings.h"
#include "kolvar-sim/headless_run.h"
#include "kolvar-sim/options.h"
#include "platform/command_line.h"

namespace kolvar::simapp {

int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const WindowRun& window) {
  switch (platform::standard_option(args)) {
    case platform::StandardOption::Help:
      out << kUsage << remote::kWebUsage << remote::kAlertUsage;
      return 0;
    case platform::StandardOption::Version:
      out << platform::version_line("kolvar-sim");
      return 0;
    case platform::StandardOption::None:
      break;
  }
  Options options;
  try {
    options = parse_options(args);
  } catch (const std::invalid_argument& e) {
    err << "kolvar-sim: " << e.what() << '\n' << kUsage << remote::kWebUsage << remote::kAlertUsage;
    return platform::kUsageStatus;
  }
  if (!options.headless && window)
    return window(
        {{options.litres, options.strength, options.watts, options.seed, options.pressure_hpa},
         options.cold,
         options.web,
         options.alerts},
        err);
  if (!options.headless) {
    err << "kolvar-sim: the window on the simulated column needs the desktop build;\n"
           "use --headless for a run without it\n"
        << kUsage << remote::kWebUsage << remote::kAlertUsage;
    return platform::kUsageStatus;
  }
  return run_headless(options, out, err);
}

}  // namespace kolvar::simapp
