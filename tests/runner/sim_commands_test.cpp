// The runner's commands for the simulated column.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "kolvar-headless/scenario_runner.h"
#include "support/temp_folder.h"

namespace kolvar::headless {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

class SimCommands : public kolvar::testing::InFreshFolder {
 protected:
  Outcome run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int code = run_scenario(in, out, err);
    return {code, out.str(), err.str()};
  }
};

TEST_F(SimCommands, MistakesAreScriptErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"simulate fault water\n", "line 1: no simulated column: \"simulate on\" comes first"},
      {"print sim.tank_celsius\n", "line 1: no simulated column: \"simulate on\" comes first"},
      {"advance 1\nsimulate on\n", "line 2: \"simulate on\" comes before the first advance"},
      {"simulate on\nsimulate on\n", "line 2: the simulated column is on already"},
      {"simulate on 0 40 2000 1\n", "line 1: Такой колонны не бывает: проверьте параметры модели"},
      {"simulate on 30 forty 2000 1\n", "line 1: not a number: \"forty\""},
      {"simulate on\nprint sim.colour\n", "line 2: the simulated column has no \"colour\""},
      {"simulate on\nsimulate fault sensor 6 blank\n", "line 2: the logger has sensors 1 to 5"},
      {"simulate on\nsimulate fault sensor 2 -127\n",
       "line 2: a sensor fault is blank, garbage, off-bus, power-on, frozen or off"},
      {"simulate on\nsimulate fault fire\n", "line 2: no fault called \"fire\""},
      {"simulate on\nexpect sim.heater 1..2\n", "line 2: not a number or range of numbers: 1..2"},
  };
  for (const auto& [script, message] : cases) {
    const Outcome r = run(script);
    EXPECT_EQ(r.code, 2) << script;
    EXPECT_EQ(r.err, std::string(message) + "\n") << script;
  }
}

TEST_F(SimCommands, QuantitiesPrintAndCompareWhilePortBytesStayQuiet) {
  const Outcome r =
      run("simulate on 20 40 2000 1\nstart\nprint sim.tank_celsius\nexpect sim.valve False\n"
          "click Start_sys_button\nadvance 60000\nprint sim.valve\n"
          "expect sim.tank_celsius 21..22\nexpect sim.tank_celsius >22\n");
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(r.out,
            "sim.tank_celsius=\"20.000\"\nsim.valve=\"True\"\n"
            "FAIL line 9: sim.tank_celsius is \"21.424\", expected \">22\"\n");
}

TEST_F(SimCommands, PressureDriftsEitherWayUntilCleared) {
  const Outcome r =
      run("simulate on 20 40 2000 1\nsimulate fault pressure-falls\nadvance 3600000\n"
          "print sim.pressure_hpa\nsimulate fault pressure-rises\nadvance 1800000\n"
          "print sim.pressure_hpa\nsimulate fault pressure-rises off\nadvance 3600000\n"
          "expect sim.pressure_hpa 1011.74..1011.76\n");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "sim.pressure_hpa=\"1010.250\"\nsim.pressure_hpa=\"1011.750\"\n");
}

}  // namespace
}  // namespace kolvar::headless
