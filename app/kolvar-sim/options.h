#pragma once
// The command line of kolvar-sim.
#include <optional>
#include <string>
#include <vector>

#include "simrun/takeoff_choice.h"

namespace kolvar::simapp {

struct Options {
  bool headless = false;
  bool cold = false;                    // the window: the column starts at room temperature
  std::optional<std::string> settings;  // a settings file to run with
  simrun::Takeoff takeoff = simrun::Takeoff::Liquid;
  double litres = 30;
  double strength = 40;  // per cent by volume
  double watts = 2000;
  unsigned seed = 1;
  double hours = 12;              // the longest run
  double pressure_hpa = 1013.25;  // the air's
  double drift_hpa_h = 0;         // the weather: the pressure's drift
  std::string trace = "trace.csv";
};

inline constexpr char kUsage[] =
    "usage: kolvar-sim --headless [--settings FILE] [--takeoff liquid|vapour|pwm|pwm-tank]\n"
    "                  [--litres L] [--strength PERCENT] [--power WATTS] [--seed N]\n"
    "                  [--pressure HPA] [--drift HPA_PER_HOUR] [--hours H] [--trace FILE]\n"
    "       kolvar-sim [--cold] [--litres L] [--strength PERCENT] [--power WATTS] [--seed N]\n"
    "                  [--pressure HPA]\n"
    "       kolvar-sim --help | --version\n"
    "  Runs Kolvar on a simulated column in the current folder: its window on a\n"
    "  column that is already distilling (--cold: a cold charge), or with\n"
    "  --headless a whole run on virtual time, ending with its summary.\n";

// Throws std::invalid_argument naming the option that is wrong, or one that
// the chosen mode does not take (a run's options without --headless, --cold
// with it).
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::simapp
