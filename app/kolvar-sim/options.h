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

// The usage, followed by remote::kWebUsage and remote::kAlertUsage.
extern const char* const kUsage;

// Throws std::invalid_argument naming the option that is wrong, or one that
// the chosen mode does not take (a run's options without --headless, --cold
// with it).
Options parse_options(const std::vector<std::string>& args);

}  // namespace kolvar::simapp
