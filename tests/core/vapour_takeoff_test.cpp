#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cycle_steps.h"
#include "form/text_number.h"
#include "platform/failure.h"
#include "regulation_rig.h"

namespace kolvar::core {
namespace {

using testing::RegulationRig;

struct Vapour : ::testing::Test {
  RegulationRig r{"par"};

  Vapour() {
    r.no_waiting();
    r.c.c(ctl::time3).set_text("2000");
    r.c.c(ctl::peregrev).set_text("100");
    r.c.c(ctl::peregrev_def).set_text("100");
  }
  // One automatic step with the delay read from `time3`, as the section does.
  Flow step() { return vapour_auto_step(r.c, form::numeric_value(r.text("time3"))); }
  void over() { r.temperatures("88.1", "70"); }
  void below() { r.temperatures("87.9", "77"); }
  void steady() { r.temperatures("88.0", "77.0"); }
  void timers_off() {
    r.c.c(ctl::Timer3).set_on(false);
    r.c.c(ctl::Timer4).set_on(false);
  }
};

TEST_F(Vapour, OverShortensTheDelayByStepDThenCoolsAtMaximum) {
  r.c.c(ctl::time3).set_text("12000");
  over();
  std::vector<std::string> delays;
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(step(), Flow::Next);
    delays.push_back(r.text("time3"));
    EXPECT_TRUE(r.on("Timer3"));
    EXPECT_TRUE(r.on("Timer4"));
    EXPECT_TRUE(r.valve_open());
    EXPECT_EQ(r.text("stab_temp"), "0");
  }
  EXPECT_EQ(delays, (std::vector<std::string>{"7000", "2000"}));
  EXPECT_EQ(r.c.c(ctl::Timer3).interval(), 2000);
  EXPECT_EQ(r.c.c(ctl::Timer3).tag(), "0");

  EXPECT_EQ(step(), Flow::Next);
  EXPECT_EQ(r.text("time3"), "0");
  EXPECT_FALSE(r.on("Timer3"));
  EXPECT_FALSE(r.on("Timer4"));
  EXPECT_TRUE(r.valve_open());
  EXPECT_EQ(r.text("peregrev"), "99");
  EXPECT_EQ(r.text("News"), "Максимум охлаждения!\r\nДо остановки 99 циклов ");

  EXPECT_EQ(step(), Flow::Next);  // a delay of 0 passes by the waiting option
  EXPECT_EQ(r.text("peregrev"), "98");
}

TEST_F(Vapour, WaitingChangesTheDelayInTheFourthOverCycleOnly) {
  r.waiting("3", "3");
  r.c.c(ctl::time3).set_text("20000");
  over();
  std::vector<std::string> delays;
  for (int i = 0; i < 4; ++i) {
    timers_off();
    r.c.c(ctl::Klapan_status).set_text("0");
    step();
    delays.push_back(r.text("time3"));
    EXPECT_TRUE(r.on("Timer3") && r.on("Timer4"));
    EXPECT_EQ(r.text("Klapan_status"), "1");
  }
  EXPECT_EQ(delays, (std::vector<std::string>{"20000", "20000", "20000", "15000"}));
  EXPECT_EQ(r.text("wait"), "3");
  EXPECT_EQ(r.c.c(ctl::Timer3).interval(), 15000);
}

TEST_F(Vapour, BelowWithTimersOffLengthensTheDelayAndRestoresTheOverheatCount) {
  r.c.c(ctl::peregrev).set_text("7");
  r.c.c(ctl::stab_temp).set_text("4");
  below();
  EXPECT_EQ(step(), Flow::Next);
  EXPECT_EQ(r.text("time3"), "3000");
  EXPECT_EQ(r.c.c(ctl::Timer3).interval(), 3000);
  EXPECT_EQ(r.c.c(ctl::Timer3).tag(), "0");
  EXPECT_TRUE(r.on("Timer3"));
  EXPECT_FALSE(r.on("Timer4"));
  EXPECT_EQ(r.text("peregrev"), "100");
  EXPECT_EQ(r.text("stab_temp"), "0");

  // While the delay runs the step does nothing and skips to the logger check.
  r.c.c(ctl::step_up).set_text("5000");
  EXPECT_EQ(step(), Flow::ToStalledLoggerCheck);
  EXPECT_EQ(r.text("time3"), "3000");
  r.c.c(ctl::Timer3).set_on(false);
  r.c.c(ctl::Timer4).set_on(true);  // or the pulse
  EXPECT_EQ(step(), Flow::ToStalledLoggerCheck);
}

TEST_F(Vapour, ADelayOverAMinuteIsArmedInWholeMinutes) {
  r.c.c(ctl::time3).set_text("60000");
  below();
  step();
  EXPECT_EQ(r.text("time3"), "61000");
  EXPECT_EQ(r.c.c(ctl::Timer3).tag(), "1");
  EXPECT_EQ(r.c.c(ctl::Timer3).interval(), 1000);
}

TEST_F(Vapour, SteadyCountsStableStepsAndTheWrapResetsTheTenth) {
  steady();
  r.c.c(ctl::stab_temp).set_text("8");
  timers_off();
  step();
  EXPECT_EQ(r.text("stab_temp"), "9");
  EXPECT_EQ(r.text("time3"), "2000");  // held, and armed again
  EXPECT_TRUE(r.on("Timer3"));
  stable_count_wrap(r.c);
  EXPECT_EQ(r.text("stab_temp"), "9");
  timers_off();
  step();
  EXPECT_EQ(r.text("stab_temp"), "10");
  stable_count_wrap(r.c);
  EXPECT_EQ(r.text("stab_temp"), "0");
  EXPECT_EQ(r.text("time3"), "2000");  // the tenth does not lengthen the delay
}

TEST_F(Vapour, WrapLeavesEveryOtherCountAlone) {
  for (const char* count : {"0", "9", "11", "", "x"}) {
    r.c.c(ctl::stab_temp).set_text(count);
    stable_count_wrap(r.c);
    EXPECT_EQ(r.text("stab_temp"), count);
  }
}

TEST_F(Vapour, ControlByBothRolesOneOverOrOneBelowDecides) {
  struct Case {
    const char* dephlegmator;
    const char* packing;
    const char* delay;
  };
  const Case cases[] = {
      {"88.0", "77.1", "0"},     // packing over: 2000 < step_d, maximum cooling
      {"88.0", "76.9", "3000"},  // packing below, dephlegmator at threshold
      {"87.9", "77.0", "3000"},
      {"88.0", "77.0", "2000"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.dephlegmator) + " / " + k.packing);
    r.c.c(ctl::time3).set_text("2000");
    r.temperatures(k.dephlegmator, k.packing);
    timers_off();
    step();
    EXPECT_EQ(r.text("time3"), k.delay);
  }
}

TEST_F(Vapour, ARowThatTakesNoPartIsNeitherOverNorBelow) {
  r.c.c(ctl::T, 2).set_enabled(false);
  r.c.c(ctl::V, 2).set_value(775);
  r.temperatures("88.0", "77,5");  // a threshold caption with a decimal comma reads 77
  step();
  EXPECT_EQ(r.text("time3"), "2000");
  EXPECT_EQ(r.text("stab_temp"), "1");
}

TEST_F(Vapour, MessagesOfTheValveAndOfMaximumCooling) {
  below();
  step();
  r.c.c(ctl::Timer4).set_interval(500);
  r.h.advance(3000);  // the delay ends: the valve opens for the pulse
  EXPECT_EQ(r.text("News"), "Клапан открыт");
  over();
  timers_off();
  r.c.c(ctl::peregrev).set_text("1");
  step();
  EXPECT_EQ(r.text("News"), "Максимум охлаждения!\r\nДо остановки 0 циклов ");
}

TEST_F(Vapour, StrictCountersAndImpossibleDelaysFail) {
  over();
  r.c.c(ctl::peregrev).set_text("many");
  EXPECT_THROW(step(), Failure);
  EXPECT_EQ(r.text("peregrev"), "many");

  steady();
  timers_off();
  r.c.c(ctl::stab_temp).set_text("");
  EXPECT_THROW(step(), Failure);

  below();
  r.c.c(ctl::time3).set_text("-5000");
  EXPECT_THROW(step(), Failure);
  EXPECT_FALSE(r.on("Timer3"));
  EXPECT_EQ(r.text("time3"), "-5000");
}

}  // namespace
}  // namespace kolvar::core
