// The take-off scenario scripts run whole through the scenario runner: each
// must pass its own expectations, and the edges of the output pins, read from
// the port events it prints, must fall where the regulation's timing puts them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kolvar-headless/scenario_runner.h"
#include "support/temp_folder.h"

namespace kolvar::core {
namespace {

struct Edge {
  long long at;
  bool high;
  bool operator==(const Edge&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Edge& e) {
  return os << (e.high ? "up@" : "down@") << e.at;
}

Edge up(long long at) {
  return {at, true};
}
Edge down(long long at) {
  return {at, false};
}

// The changes of data bit `bit` in the "@T port B" lines of a run; the port
// starts low.
std::vector<Edge> edges(const std::string& output, int bit) {
  std::vector<Edge> out;
  bool level = false;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    long long at = 0;
    int byte = 0;
    if (std::sscanf(line.c_str(), "@%lld port %d", &at, &byte) != 2) continue;
    const bool high = (byte >> bit) & 1;
    if (high != level) out.push_back({at, high});
    level = high;
  }
  return out;
}

class TakeoffScenario : public kolvar::testing::InFreshFolder {
 protected:
  // Runs tests/scenarios/<name>.kvs; its output.
  std::string run(const std::string& name) {
    std::ifstream script(std::string(KOLVAR_TEST_DIR) + "/scenarios/" + name + ".kvs");
    EXPECT_TRUE(script) << name;
    std::ostringstream out, err;
    EXPECT_EQ(headless::run_scenario(script, out, err), 0) << out.str() << err.str();
    return out.str();
  }

 private:
};

using Edges = std::vector<Edge>;

TEST_F(TakeoffScenario, VapourValveOpensWhenTheDelayEndsForOnePulse) {
  const std::string out = run("vapour_takeoff");
  EXPECT_EQ(edges(out, 0), (Edges{
                               up(8000), down(8500),    // cycle at 6 s, delay 2000, pulse 500
                               up(14000), down(14500),  // 12 s
                               up(18000),               // over: maximum cooling at once
                               down(24000), up(24000),  // tidied up, opened again
                               down(30000),             // not over: closed
                               up(31000), down(31500),  // delay 1000
                               up(38000), down(38500),  // 2000
                               up(45000), down(45500),  // 3000
                               up(52000), down(52500),  // 4000
                               up(58000), down(58500),  // 4000 held at the threshold
                           }));
}

TEST_F(TakeoffScenario, VapourDelayLongerThanThePeriodOpensEverySecondCycle) {
  const std::string out = run("vapour_long_delay");
  EXPECT_EQ(edges(out, 0),
            (Edges{up(14000), down(14500), up(26000), down(26500), up(38000), down(38500)}));
}

TEST_F(TakeoffScenario, LiquidValveFollowsTheThresholdAndTheLiftWaits) {
  const std::string out = run("liquid_takeoff");
  EXPECT_EQ(edges(out, 0), (Edges{up(6000), down(30000), up(60000)}));
  EXPECT_EQ(edges(out, 1), (Edges{up(48000), down(52000)}));  // lift up, 4 × 1000 ms
  EXPECT_EQ(edges(out, 2), (Edges{up(24000), down(25000)}));  // lift down, 1 × 1000 ms
}

TEST_F(TakeoffScenario, PwmValveIsClosedForTheRestOfTheShareThenOpenToTheNextCycle) {
  const std::string out = run("pwm_takeoff");
  EXPECT_EQ(edges(out, 0), (Edges{
                               up(9000), down(12000),   // 50 %: 3000 closed, 3000 open
                               up(15000), down(18000),  // 50 %
                               up(21300), down(24000),  // 45 %
                               up(27600), down(30000),  // 40 %, then stopped at 35 %
                               up(39840), down(42000),  // 36 %
                               up(45780), down(48000),  // 37 %
                               up(51780),               // 37 %
                           }));
}

TEST_F(TakeoffScenario, PwmShareFollowsTheTankTemperatureUntilTheTankLimit) {
  const std::string out = run("pwm_tank_line");
  EXPECT_EQ(edges(out, 0), (Edges{
                               up(6000),                // 100 %: open
                               down(12000), up(15000),  // 50 %
                               down(18000), up(22500),  // 25 %
                               down(24000),             // 0 %: stopped
                           }));
}

}  // namespace
}  // namespace kolvar::core
