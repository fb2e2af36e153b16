#include "kolvar-sim/options.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace kolvar::simapp {

const char* const kUsage =
    "usage: kolvar-sim --headless [--settings FILE] [--takeoff liquid|vapour|pwm|pwm-tank]\n"
    "                  [--litres L] [--strength PERCENT] [--power WATTS] [--seed N]\n"
    "                  [--pressure HPA] [--drift HPA_PER_HOUR] [--hours H] [--tails]\n"
    "                  [--trace FILE] [--speed N] [--web [ADDR:]PORT [--web-allow-stop]] [ALERTS]\n"
    "       kolvar-sim [--cold] [--litres L] [--strength PERCENT] [--power WATTS] [--seed N]\n"
    "                  [--pressure HPA] [--web [ADDR:]PORT [--web-allow-stop]] [ALERTS]\n"
    "       kolvar-sim --help | --version\n"
    "  Runs Kolvar on a simulated column in the current folder: its window on a\n"
    "  column that is already distilling (--cold: a cold charge), or with\n"
    "  --headless a whole run on virtual time, ending with its summary.\n"
    "  --tails            go on past the end of the hearts until the system stops\n"
    "                     (without it the run ends there with \"Стоп системы\")\n"
    "  --speed N          --headless at N times real time (1 to 10000) instead of\n"
    "                     as fast as possible\n";

namespace {

// The whole text as one number of type T within [low, high].
template <class T>
T number(const std::string& option, const std::string& text, T low, T high) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || at != end || !(value >= low && value <= high)) {
    char range[96];
    std::snprintf(range, sizeof range, " takes a number from %g to %g, not \"",
                  static_cast<double>(low), static_cast<double>(high));
    throw std::invalid_argument(option + range + text + "\"");
  }
  return value;
}

}  // namespace

Options parse_options(const std::vector<std::string>& args) {
  Options o;
  std::string run_option;  // the last option that only a headless run takes
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--headless") {
      o.headless = true;
      continue;
    }
    if (option == "--cold") {
      o.cold = true;
      continue;
    }
    if (option == "--tails") {
      o.tails = true;
      run_option = option;
      continue;
    }
    if (remote::take_web_option(args, i, o.web)) continue;
    if (remote::take_alert_option(args, i, o.alerts)) continue;
    if (option == "--settings" || option == "--takeoff" || option == "--hours" ||
        option == "--trace" || option == "--speed" || option == "--drift")
      run_option = option;
    if (i + 1 == args.size()) throw std::invalid_argument("unknown option or no value: " + option);
    const std::string& value = args[++i];
    if (option == "--settings") {
      o.settings = value;
    } else if (option == "--takeoff") {
      const auto takeoff = simrun::takeoff_named(value);
      if (!takeoff) throw std::invalid_argument("--takeoff takes liquid, vapour, pwm or pwm-tank");
      o.takeoff = *takeoff;
    } else if (option == "--litres") {
      o.litres = number(option, value, 0.1, 1000.0);
    } else if (option == "--strength") {
      o.strength = number(option, value, 0.0, 100.0);
    } else if (option == "--power") {
      o.watts = number(option, value, 0.0, 100000.0);
    } else if (option == "--seed") {
      o.seed = number(option, value, 0u, 4294967295u);
    } else if (option == "--pressure") {
      o.pressure_hpa = number(option, value, 700.0, 1100.0);
    } else if (option == "--drift") {
      o.drift_hpa_h = number(option, value, -10.0, 10.0);
    } else if (option == "--hours") {
      o.hours = number(option, value, 0.001, 1000.0);
    } else if (option == "--trace") {
      o.trace = value;
    } else if (option == "--speed") {
      o.speed = number(option, value, 1.0, 10000.0);
    } else {
      throw std::invalid_argument("unknown option: " + option);
    }
  }
  if (!o.headless && !run_option.empty())
    throw std::invalid_argument(run_option + " is for --headless runs");
  remote::check_web_options(o.web);
  if (o.headless && o.cold)
    throw std::invalid_argument("--cold is for the window; a headless run always starts cold");
  return o;
}

}  // namespace kolvar::simapp
