// kolvar-sim's command line and its headless run.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/record_reader.h"
#include "kolvar-sim/cli.h"
#include "kolvar-sim/options.h"
#include "support/temp_folder.h"

namespace kolvar::simapp {
namespace {

TEST(SimOptions, WrongOptionsEndWithTwoAndTheUsage) {
  const std::vector<std::vector<std::string>> wrong = {
      {"--headless", "--litres"},
      {"--headless", "--takeoff", "steam"},
      {"--litres", "0"},
      {"--headless", "--strength", "101"},
      {"--power", "2kW"},
      {"--seed", "-1"},
      {"--seed", "1.5"},
      {"--hours", "0"},
      {"--colour", "red"},
      {"--headless", "--strength", "4O"},
      {},                        // the window needs the desktop build
      {"--headless", "--cold"},  // a headless run starts cold anyway
  };
  for (const auto& args : wrong) {
    std::ostringstream out, err;
    EXPECT_EQ(run_cli(args, out, err), 2);
    EXPECT_NE(err.str().find("usage: kolvar-sim --headless"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
  }
  // Without --headless the window is opened with the charge it is given; a
  // run's options are refused there.
  launch::SimWindowOptions window;
  const WindowRun open = [&](const launch::SimWindowOptions& o, std::ostream&) {
    window = o;
    return 7;
  };
  std::ostringstream out, err;
  EXPECT_EQ(run_cli({"--trace", "t.csv"}, out, err, open), 2);
  EXPECT_NE(err.str().find("--trace is for --headless runs"), std::string::npos) << err.str();
  EXPECT_EQ(run_cli({"--tails"}, out, err, open), 2);
  EXPECT_EQ(run_cli({"--cold", "--litres", "20", "--seed", "3"}, out, err, open), 7);
  EXPECT_TRUE(window.cold);
  EXPECT_EQ(window.charge.litres, 20);
  EXPECT_EQ(window.charge.seed, 3u);
  const Options o = parse_options({"--headless", "--takeoff", "pwm-tank", "--litres", "12.5",
                                   "--strength", "35", "--power", "1500", "--seed", "9"});
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.takeoff, simrun::Takeoff::PwmTankLine);
  EXPECT_EQ(o.litres, 12.5);
  EXPECT_EQ(o.seed, 9u);
}

class HeadlessRun : public kolvar::testing::InFreshFolder {
 protected:
  int run(const std::vector<std::string>& args) {
    std::ostringstream o, e;
    const int code = run_cli(args, o, e);
    out = o.str();
    err = e.str();
    return code;
  }
  std::string out, err;
};

TEST_F(HeadlessRun, UnreadableSettingsFileEndsWithTwo) {
  EXPECT_EQ(run({"--headless", "--settings", "nowhere.log"}), 2);
  EXPECT_NE(err.find("nowhere.log"), std::string::npos) << err;
  std::ofstream("notes.txt") << "not settings\r\n";
  EXPECT_EQ(run({"--headless", "--settings", "notes.txt"}), 2);
  EXPECT_NE(err.find("не файл настроек"), std::string::npos) << err;
  EXPECT_TRUE(out.empty());
}

TEST_F(HeadlessRun, ARunPrintsItsSummaryAndTracesEveryCycle) {
  ASSERT_EQ(run({"--headless", "--hours", "0.1", "--trace", "run.csv"}), 0) << err;
  // The hours count from "Старт системы", after the charge has come to the
  // boil and settled at total reflux.
  EXPECT_NE(out.find("the system still running\n"), std::string::npos) << out;
  EXPECT_NE(out.find("cycles: 180\n"), std::string::npos) << out;
  for (const char* line : {"air pressure: 1013.25 hPa\n", "boiling after: 1:",
                           "head at total reflux: 78.", "heads: ", "hearts: ", "tails: "})
    EXPECT_NE(out.find(line), std::string::npos) << line << " in\n" << out;
  std::ifstream trace("run.csv");
  std::string line;
  std::getline(trace, line);
  EXPECT_EQ(line.rfind("time_s,dephlegmator_c,", 0), 0u) << line;
  int rows = 0;
  while (std::getline(trace, line)) ++rows;
  EXPECT_EQ(rows, 180);

  // The run's record, in the form the desktop program writes: a row a cycle.
  const std::size_t at = out.find("record: runs/");
  ASSERT_NE(at, std::string::npos) << out;
  std::ifstream record_file(out.substr(at + 8, out.find('\n', at) - at - 8));
  chart::RecordReader record(record_file);
  int samples = 0;
  while (record.next()) ++samples;
  EXPECT_EQ(samples, 180);

  // A second run takes the settings file the first one wrote.
  ASSERT_EQ(run({"--headless", "--hours", "0.01", "--settings", "mytunes.log"}), 0) << err;
}

TEST_F(HeadlessRun, TheTailsEndTheRunBeforeTheTankLimit) {
  // A distiller who takes no tails stops the column when the packing rises
  // on them; one who does goes on to the tank limit.
  ASSERT_EQ(run({"--headless", "--litres", "15"}), 0) << err;
  EXPECT_NE(out.find(" the hearts have ended: Стоп системы\n"), std::string::npos) << out;
  EXPECT_NE(out.find(": Остановлено пользователем\ncycles: "), std::string::npos) << out;
  EXPECT_NE(out.find("hearts ended: "), std::string::npos) << out;
  EXPECT_EQ(out.find("tails: 0.00 L"), std::string::npos) << out;

  ASSERT_EQ(run({"--headless", "--litres", "15", "--tails"}), 0) << err;
  EXPECT_EQ(out.find("the hearts have ended"), std::string::npos) << out;
  EXPECT_NE(out.find(": Достигнут предел температуры бака\ncycles: "), std::string::npos) << out;
  EXPECT_NE(out.find("hearts ended: "), std::string::npos) << out;
}

}  // namespace
}  // namespace kolvar::simapp
