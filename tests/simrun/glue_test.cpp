// The glue between controller and simulated column: one clock, the settings
// file written for the plant, the plant's quantities for scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/failure.h"
#include "simrun/plant_quantities.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::simrun {
namespace {

using Glue = kolvar::testing::InFreshFolder;

TEST_F(Glue, EachCycleReadsTheLineTheLoggerWroteAtThatMoment) {
  sim::PlantSettings rig = simulated_rig({});
  settle_settings_file(rig);
  SimWorld world(rig);
  form::Controller& c = world.controller;
  c.start();
  c.click(c.c(ctl::Start_sys_button));
  int cycles = 0;
  world.advance_to(20000, [&](platform::Millis at) {
    ++cycles;
    EXPECT_EQ(world.plant.now(), at);
    // The logger's clock starts at 09:00:00 and polls every second.
    EXPECT_EQ(c.c(ctl::time_log2).text(), "09:00:" + clock_text(at).substr(5)) << at;
  });
  EXPECT_EQ(cycles, 10);
  EXPECT_EQ(world.plant.now(), 20000);
}

TEST_F(Glue, SettingsFileTicksThePlantsWiringAndSensors) {
  sim::PlantSettings rig = simulated_rig({});
  rig.wiring.clear(sim::Output::ValveStart);
  rig.wiring.connect(sim::Output::ValveStart, 9);
  rig.logger.columns = {sim::Probe::Tank, sim::Probe::Dephlegmator, sim::Probe::Packing,
                        sim::Probe::None, sim::Probe::CoolerOutlet};
  rig.logger.log_path = "logs/keeper.log";
  OperatorChoices choices;
  choices.head = 790;
  write_settings_for(rig, choices);

  ui::Headless reader;
  form::Controller& c = reader.controller;
  c.start();
  EXPECT_EQ(c.c(ctl::LogPath, 1).text(), "logs/keeper.log");
  EXPECT_EQ(c.c(ctl::Path).text(), rig.logger.program_path);
  EXPECT_EQ(c.c(ctl::V, 1).value(), 790);
  const struct {
    const char* menu;
    int ticked;  // the one item ticked
    int count;
  } menus[] = {{"ps", 8, 8}, {"pf", 2, 8},  {"ss", 3, 8},   {"lu", 4, 8},
               {"ld", 5, 8}, {"zm", 6, 8},  {"puls", 7, 8}, {"da", 2, 5},
               {"na", 3, 5}, {"kub", 1, 5}, {"kul", 5, 5}};
  for (const auto& m : menus)
    for (int k = 1; k <= m.count; ++k)
      EXPECT_EQ(c.form.get(m.menu, k).checked(), k == m.ticked) << m.menu << "(" << k << ")";
}

TEST_F(Glue, SettleSettingsFileFollowsAFileThereIs) {
  sim::PlantSettings rig = simulated_rig({});
  rig.logger.log_path = "other.log";
  write_settings_for(rig);
  sim::PlantSettings next = simulated_rig({});
  settle_settings_file(next);
  EXPECT_EQ(next.logger.log_path, "other.log");
}

TEST_F(Glue, OnlySettingsFilesGiveLoggerPaths) {
  EXPECT_THROW(logger_paths_in("missing.log"), Failure);
  std::ofstream("short.log") << " 0 \r\nkeeper.log\r\n";
  EXPECT_THROW(logger_paths_in("short.log"), Failure);
  std::ofstream words("words.log");
  for (int i = 0; i < 114; ++i) words << "word\r\n";
  words.close();
  EXPECT_THROW(logger_paths_in("words.log"), Failure);
}

TEST(PlantQuantities, ScriptsCompareTextsNumbersAndRanges) {
  const struct {
    const char* actual;
    const char* wanted;
    std::optional<bool> met;
  } cases[] = {
      {"True", "True", true},     {"True", "False", false},     {"95.123", "95..96", true},
      {"96.000", "95..96", true}, {"96.001", "95..96", false},  {"12", ">11.5", true},
      {"12", "<12", false},       {"True", ">1", std::nullopt}, {"3", "1..x", std::nullopt},
      {"95.123", "95.12", false},
  };
  for (const auto& c : cases) EXPECT_EQ(quantity_matches(c.actual, c.wanted), c.met) << c.wanted;
}

}  // namespace
}  // namespace kolvar::simrun
