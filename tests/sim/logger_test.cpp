// The simulated logger's file, read the way the controller reads it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "plant_rig.h"
#include "platform/failure.h"

namespace kolvar::sim {
namespace {

using Logger = PlantRig;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "a line without CR LF at the end";
  return lines;
}

// Characters first to last, counted from 1.
std::string chars(const std::string& line, std::size_t first, std::size_t last) {
  return line.substr(first - 1, last - first + 1);
}

TEST_F(Logger, OneLinePerPollInFixedColumns) {
  settings.logger.clock_start_seconds = 23 * 3600 + 59 * 60 + 58;
  make();
  run_seconds(3);
  const std::vector<std::string> lines = lines_of(log_text());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(chars(lines[0], 1, 8), "23:59:59");
  EXPECT_EQ(chars(lines[1], 1, 8), "00:00:00");
  EXPECT_EQ(chars(lines[2], 1, 8), "00:00:01");
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 58u) << line;
    for (std::size_t k = 1; k <= 5; ++k) {
      EXPECT_EQ(line[10 * k - 2], ' ') << line;
      const std::string field = chars(line, 10 * k, 10 * k + 8);
      const double reading = std::stod(field);
      EXPECT_NEAR(reading, settings.room_celsius, 0.2) << field;
      // Sixteenths of a degree, printed to two decimals.
      EXPECT_NEAR(reading * 16, std::round(reading * 16), 16 * 0.005 + 1e-9) << field;
    }
  }
}

TEST_F(Logger, DroppedOutSensorsAndUnusedColumns) {
  settings.logger.columns = {Probe::Tank, Probe::None, Probe::Tank, Probe::Tank, Probe::None};
  make();
  plant->faults.sensors = {SensorFault::None, SensorFault::None, SensorFault::Blank,
                           SensorFault::Garbage, SensorFault::None};
  run_seconds(1);
  const std::vector<std::string> lines = lines_of(log_text());
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 48u);  // the fifth column is left off
  EXPECT_NEAR(std::stod(chars(lines[0], 10, 18)), 20, 0.2);
  EXPECT_EQ(chars(lines[0], 20, 28), std::string(9, ' '));
  EXPECT_EQ(chars(lines[0], 30, 38), std::string(9, ' '));
  EXPECT_EQ(chars(lines[0], 40, 48), "CRC ERROR");
}

TEST_F(Logger, ASensorFailsAsARealBusDoesAndComesBack) {
  settings.logger.columns = {Probe::Tank, Probe::Tank, Probe::Tank, Probe::Tank, Probe::Tank};
  make();
  run_seconds(2);
  plant->faults.sensors = {SensorFault::OffBus, SensorFault::PowerOn, SensorFault::Frozen,
                           SensorFault::None, SensorFault::None};
  const std::string frozen_from = chars(lines_of(log_text()).back(), 30, 38);
  // The tank heats: a frozen reading stays while the others move.
  run_seconds(600);
  std::vector<std::string> lines = lines_of(log_text());
  for (std::size_t i = 2; i < lines.size(); ++i) {
    EXPECT_EQ(chars(lines[i], 10, 18), "  -127.00");
    EXPECT_EQ(chars(lines[i], 20, 28), "    85.00");
    EXPECT_EQ(chars(lines[i], 30, 38), frozen_from);
  }
  const double heated = std::stod(chars(lines.back(), 40, 48));
  EXPECT_GT(heated, std::stod(frozen_from) + 1) << "the tank did heat";

  // Back in, each reads the tank again.
  plant->faults.sensors = {};
  run_seconds(1);
  lines = lines_of(log_text());
  for (std::size_t k = 1; k <= 3; ++k)
    EXPECT_NEAR(std::stod(chars(lines.back(), 10 * k, 10 * k + 8)), heated, 0.5) << k;
}

TEST_F(Logger, AStalledLoggerWritesNothingUntilARestartRevivesIt) {
  for (const bool revives : {true, false}) {
    settings.logger.log_path = folder.file(revives ? "revives.log" : "hangs.log").string();
    make();
    run_seconds(2);
    plant->faults.logger_stalled = true;
    plant->faults.restart_revives = revives;
    run_seconds(5);
    EXPECT_EQ(plant->status().log_lines, 2);
    EXPECT_THROW(plant->start("C:\\other.exe"), Failure);
    plant->start(settings.logger.program_path);
    run_seconds(3);
    EXPECT_EQ(plant->status().log_lines, revives ? 5 : 2);
    EXPECT_EQ(plant->status().launches, 1);
  }
}

TEST_F(Logger, ARemovedLogStaysGoneUntilTheLoggerIsStartedAgain) {
  for (const bool by_restart : {true, false}) {
    make();
    run_seconds(2);
    plant->faults.log_removed = true;
    run_seconds(3);
    EXPECT_FALSE(std::filesystem::exists(log_path())) << "the logger writes where nobody reads";
    if (by_restart) {
      plant->start(settings.logger.program_path);
      EXPECT_FALSE(plant->faults.log_removed) << "a restart opens the path anew";
    } else {
      plant->faults.log_removed = false;
    }
    run_seconds(2);
    // The log starts again with the logger's next lines alone.
    const std::vector<std::string> lines = lines_of(log_text());
    ASSERT_EQ(lines.size(), 2u) << by_restart;
    EXPECT_EQ(chars(lines[0], 1, 8), "09:00:06");
    plant.reset();
  }
}

TEST_F(Logger, AFaultyLoggerWritesGarbageCommasOrItsLastReadings) {
  settings.logger.columns = {Probe::Tank, Probe::Tank, Probe::None, Probe::None, Probe::None};
  make();
  run_seconds(600);
  const std::string before = lines_of(log_text()).back();
  plant->faults.logger_frozen = true;
  run_seconds(600);
  std::vector<std::string> lines = lines_of(log_text());
  // Fresh stamps, the readings of the line before the fault, while the tank heats.
  EXPECT_EQ(chars(lines.back(), 1, 8), "09:20:00");
  EXPECT_EQ(lines.back().substr(8), before.substr(8));
  EXPECT_GT(plant->status().tank_celsius, std::stod(chars(before, 10, 18)) + 1);

  plant->faults.logger_frozen = false;
  plant->faults.decimal_comma = true;
  run_seconds(1);
  const std::string comma = lines_of(log_text()).back();
  for (std::size_t k = 1; k <= 2; ++k) {
    std::string field = chars(comma, 10 * k, 10 * k + 8);
    ASSERT_EQ(field.find('.'), std::string::npos) << field;
    field[field.find(',')] = '.';
    EXPECT_NEAR(std::stod(field), plant->status().tank_celsius, 0.2);
  }

  plant->faults.garbage_line = true;
  run_seconds(1);
  lines = lines_of(log_text());
  EXPECT_EQ(lines.back(), kGarbageLine);
  plant->faults = {};
  run_seconds(1);
  EXPECT_EQ(chars(lines_of(log_text()).back(), 1, 8), "09:20:03");
}

TEST_F(Logger, TheSameSeedGivesTheSameReadings) {
  const auto run = [&](const char* name, std::uint32_t seed) {
    settings.logger.log_path = folder.file(name).string();
    settings.logger.seed = seed;
    make();
    run_seconds(100);
    plant.reset();
    std::ifstream in(folder.file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string first = run("a.log", 7);
  EXPECT_EQ(first, run("b.log", 7));
  EXPECT_NE(first, run("c.log", 8));
}

}  // namespace
}  // namespace kolvar::sim
