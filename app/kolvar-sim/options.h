#pragma once
// The command line of kolvar-sim.
#include <optional>
#include <string>
#include <vector>

#include "alerts/alert_settings.h"
#include "remote/web_plan.h"
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
  // The simulated operator takes the tails too: the run goes on past the
  // hearts' end until the system stops (else "Стоп системы" ends the hearts).
  bool tails = false;
  std::string trace = "trace.csv";
  // --headless on real time scaled: 1 real time, 60 a minute a second; none
  // as fast as the machine allows.
  std::optional<double> speed;
  remote::WebCommandLine web;
  remote::AlertCommandLine alerts;
};

// Followed by remote::kAlertUsage.
inline constexpr char kUsage[] =
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
    "                     as fast as possible\n"
    "  --web [ADDR:]PORT  serve a read-only web page of the run on PORT, this\n"
    "                     machine only; with ADDR (0.0.0.0: every network) a\n"
    "                     token guards it (see kolvar-web.conf)\n"
    "  --web-allow-stop   the page may stop the system (\"Стоп системы\")\n"
    "ALERTS (the same keys in kolvar-web.conf; see docs/alerts.md):\n";

// Throws std::invalid_argument naming the option that is wrong, or one that
// the chosen mode does not take (a run's options without --headless, --cold
// with it).
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::simapp
