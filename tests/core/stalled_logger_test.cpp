// A log that stops advancing: restart of the logger, then a system stop;
// and the failures the cycle catches on its way.
#include "core/stalled_logger.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cycle_rig.h"

namespace kolvar::core {
namespace {

using testing::CycleRig;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kProgram = "/opt/temp keeper/keeper; rm -rf ~";

class StalledLogger : public ::testing::Test {
 protected:
  StalledLogger() {
    r.set("Path", kProgram);
    r.set("time_error_def", "3");
    r.c.c(ctl::Ch_log).set_value(1);
    r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  }
  // Runs a cycle and tells the count, the mark and whether the cycle still runs.
  std::string step() {
    r.c.c(ctl::Timer1).set_on(true);
    r.cycle();
    return r.text("time_error") + "/" + r.c.c(ctl::Ch_log).tag() +
           (r.c.c(ctl::Timer1).on() ? "" : " stopped");
  }
  CycleRig r;
};

TEST_F(StalledLogger, RestartsOnceThenStops) {
  std::vector<std::string> steps;
  for (int i = 0; i < 9; ++i) steps.push_back(step());
  // The first line is fresh (no stamp before it); the log never moves after.
  EXPECT_THAT(steps,
              ElementsAre("0/0", "1/0", "2/0", "3/0", "0/1", "1/1", "2/1", "3/1", "4/0 stopped"));
  EXPECT_THAT(r.launches(), ElementsAre(kProgram));  // the path as one program, blanks and all
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nВ логе темп-кипера не меняется время показаний");
}

TEST_F(StalledLogger, TheStopEndsTheCycleBeforeTheProtectiveStep) {
  for (int i = 0; i < 8; ++i) step();
  r.set("net_vodi", "7");  // the protective step would set it to net_vodi_def
  step();
  EXPECT_EQ(r.text("net_vodi"), "7");
}

TEST_F(StalledLogger, AFreshLineAfterTheRestartMeansTheNextStallRestartsAgain) {
  for (int i = 0; i < 6; ++i) step();  // restarted, then two stale cycles
  r.log("12:00:02", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  EXPECT_EQ(step(), "0/0");
  std::vector<std::string> steps;
  for (int i = 0; i < 4; ++i) steps.push_back(step());
  EXPECT_THAT(steps, ElementsAre("1/0", "2/0", "3/0", "0/1"));
  EXPECT_EQ(r.launches().size(), 2u);
}

// The option chooses whether the logger is started again, not whether the
// column is protected: without it a dead log stops the system at once.
TEST_F(StalledLogger, WithoutTheOptionTheStallStopsWithoutARestart) {
  r.c.c(ctl::Ch_log).set_value(0);
  std::vector<std::string> steps;
  for (int i = 0; i < 5; ++i) steps.push_back(step());
  EXPECT_THAT(steps, ElementsAre("0/0", "1/0", "2/0", "3/0", "4/0 stopped"));
  EXPECT_TRUE(r.launches().empty());
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nВ логе темп-кипера не меняется время показаний");
}

// A logger that stamps fresh lines but repeats its readings: after a quarter
// of an hour without a move every line is stale, until a value moves.
TEST_F(StalledLogger, ReadingsFrozenForAQuarterOfAnHourCountAsStale) {
  int second = 0;
  auto fresh = [&](const char* head) {
    ++second;
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "12:%02d:%02d", second / 60 % 60, second % 60);
    r.log(stamp, {head, "70.0", "50.0", "20.0", "20.0"});
  };
  // Time passes between the cycles this test runs itself.
  auto wait = [&](platform::Millis ms) {
    r.c.c(ctl::Timer1).set_on(false);
    r.h.advance(ms);
  };
  wait(1);
  fresh("80.0");
  EXPECT_EQ(step(), "0/0");
  wait(15 * 60000 - 1);
  fresh("80.0");
  EXPECT_EQ(step(), "0/0");
  wait(1);
  fresh("80.0");
  EXPECT_EQ(step(), "1/0");
  fresh("80.1");  // a value moved
  EXPECT_EQ(step(), "0/0");
  for (int i = 0; i < 15; ++i) {
    wait(60000);
    fresh("80.1");
    step();
  }
  // Frozen again: stale from the fifteenth minute on, then the stall path.
  EXPECT_EQ(r.text("time_error"), "1");
  for (int i = 0; i < 3; ++i) {
    fresh("80.1");
    step();
  }
  EXPECT_EQ(r.c.c(ctl::Ch_log).tag(), "1");
  EXPECT_THAT(r.launches(), ElementsAre(kProgram));
}

TEST_F(StalledLogger, ALimitThatIsNoNumberCountsAsZero) {
  r.set("time_error_def", "три");
  EXPECT_EQ(step(), "0/0");
  EXPECT_EQ(step(), "0/1");  // one stale cycle is over a limit of 0
}

TEST_F(StalledLogger, AFailedRestartIsShownAndTheProtectiveStepStillRuns) {
  r.h.launcher.fail = true;
  for (int i = 0; i < 4; ++i) step();
  r.set("net_vodi", "");
  EXPECT_EQ(step(), "0/1");
  EXPECT_EQ(r.news(), std::string("Не удалось запустить программу: ") + kProgram);
  EXPECT_EQ(r.text("net_vodi"), "10");  // the protective step ran
  for (int i = 0; i < 3; ++i) step();
  EXPECT_EQ(step(), "4/0 stopped");  // the next stall stops the system
}

// A log that cannot be read is a stale cycle: the last readings stay, the
// panel says why, and the stall path restarts the logger and then stops.
TEST(CycleFailures, AMissingLogKeepsTheLastReadingsAndCountsAsStale) {
  CycleRig r;
  r.set("Path", kProgram);
  r.set("time_error_def", "3");
  r.c.c(ctl::Ch_log).set_value(1);
  r.mode("liquid", "stp");
  r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.c.c(ctl::Timer1).set_on(true);
  r.cycle();
  r.cycle();  // one stale cycle
  std::filesystem::remove(r.log_path);
  const form::Color colour = r.c.c(ctl::T, 1).back_color();
  r.set("Klapan_status", "x");  // the liquid section would rewrite it
  for (int i = 0; i < 3; ++i) r.cycle();
  EXPECT_THAT(r.news(), HasSubstr(r.log_path.string()));
  EXPECT_EQ(r.text("T", 1), "80.0");
  EXPECT_EQ(r.c.c(ctl::T, 1).back_color(), colour);
  EXPECT_EQ(r.text("time_error"), "0");  // the fourth stale cycle restarted the logger
  EXPECT_EQ(r.text("Klapan_status"), "x");
  EXPECT_THAT(r.launches(), ElementsAre(kProgram));
  for (int i = 0; i < 4; ++i) r.cycle();
  EXPECT_FALSE(r.c.c(ctl::Timer1).on());
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nВ логе темп-кипера не меняется время показаний");
}

// A folder where the log should be, and a last line too long to be a
// logger's, are unreadable logs too.
TEST(CycleFailures, AFolderOrAnEndlessLastLineCountsAsStale) {
  for (const bool folder : {true, false}) {
    CycleRig r;
    r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
    r.cycle();
    std::filesystem::remove(r.log_path);
    if (folder) {
      std::filesystem::create_directory(r.log_path);
    } else {
      std::ofstream(r.log_path, std::ios::binary) << "12:00:02 " << std::string(5000, 'x');
    }
    r.cycle();
    r.cycle();
    EXPECT_EQ(r.text("time_error"), "2") << folder;
    EXPECT_THAT(r.news(), HasSubstr(r.log_path.string())) << folder;
    std::filesystem::remove_all(r.log_path);
  }
}

TEST(CycleFailures, TheProtectiveStepRunsOnTheLastReadingsWhenTheLogIsGone) {
  CycleRig r;
  r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.c.c(ctl::Timer1).set_on(true);
  r.cycle();
  std::filesystem::remove(r.log_path);
  r.reading(3, "88.1");  // as if the last good line had read it
  r.cycle();
  EXPECT_FALSE(r.c.c(ctl::Timer1).on());
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nДостигнут предел температуры бака");
}

TEST(CycleFailures, ACountThatIsNoNumberIsShownAndTheWatchStillRuns) {
  CycleRig r;
  r.log("12:00:01", {"80.0", "0", "50.0", "20.0", "20.0"});
  r.set("time_error", "много");
  r.cycle();
  EXPECT_EQ(r.news(), "Не целое число в поле time_error: \"много\"");
  EXPECT_EQ(r.text("net_vodi"), "10");
}

TEST(CycleFailures, AFailureInTheWatchAfterACaughtOneEndsTheCycle) {
  CycleRig r;  // no log: the first failure
  r.h.port1.set_mode(platform::FakePort::Mode::Fails);
  r.h.port2.set_mode(platform::FakePort::Mode::Fails);
  r.c.port_driver_state =
      form::PortDriverState::SecondBackend;  // writes go to the second backend, which fails
  r.cycle();
  EXPECT_EQ(r.h.port2.attempts(), 1u);  // the coil switch of the protective step, once
  EXPECT_THAT(r.news(), ::testing::Not(HasSubstr("keeper.log")));
}

TEST(CycleFailures, AFailureInTheWatchItselfRunsTheWatchOnce) {
  CycleRig r;
  r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.set("net_vodi", "");
  r.h.port1.set_mode(platform::FakePort::Mode::Fails);
  r.h.port2.set_mode(platform::FakePort::Mode::Fails);
  r.c.port_driver_state =
      form::PortDriverState::SecondBackend;  // writes go to the second backend, which fails
  r.cycle();
  EXPECT_EQ(r.h.port2.attempts(), 2u);  // the coil switch, twice
  EXPECT_EQ(r.text("net_vodi"), "");
}

}  // namespace
}  // namespace kolvar::core
