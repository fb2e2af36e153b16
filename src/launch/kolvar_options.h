#pragma once
// kolvar's command line, whichever toolkit draws its window: the GPIO lines
// that stand for the port's data pins (where the system has GPIO), the web
// page's options and the alerts'.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "alerts/alert_settings.h"
#include "platform/ports/gpio_map.h"
#include "remote/web_plan.h"

namespace kolvar::launch {

struct KolvarOptions {
  std::optional<platform::GpioMap> port;
  remote::WebCommandLine web;
  remote::AlertCommandLine alerts;
};

// The usage text, alerts' included; `gpio` where --port is taken, and
// `toolkit_options` for a toolkit that takes options of its own (Qt's).
std::string kolvar_usage(bool gpio, bool toolkit_options);

// What remains of the command line once a toolkit took its own (--help and
// --version are answered before). Throws std::invalid_argument naming what
// is wrong: an unknown option, --port where there is no GPIO, a web or
// alert option without its value.
KolvarOptions parse_kolvar_options(std::vector<std::string> args, bool gpio);

// The options of argv past the program's name; nothing once what is wrong
// and the usage are on `err` (the program then ends with kUsageStatus).
std::optional<KolvarOptions> kolvar_options_or_usage(int argc, char** argv, bool gpio,
                                                     const std::string& usage, std::ostream& err);

}  // namespace kolvar::launch
