#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cycle_steps.h"
#include "platform/failure.h"
#include "regulation_rig.h"

namespace kolvar::core {
namespace {

using testing::RegulationRig;

struct Liquid : ::testing::Test {
  RegulationRig r{"liquid"};

  // One automatic step; the lift moves that it started, "up", "down" or "".
  std::string step() {
    r.c.c(ctl::Timer5).set_on(false);
    r.c.c(ctl::Timer6).set_on(false);
    EXPECT_EQ(liquid_auto_step(r.c), Flow::Next);
    return std::string(r.on("Timer5") ? "up" : "") + (r.on("Timer6") ? "down" : "");
  }
};

struct ThresholdCase {
  const char* dephlegmator;
  const char* packing;
  bool packing_takes_part;
  bool open;
  const char* news;
};

TEST_F(Liquid, ValveAndLiftFollowTheStrictOverTestInTheSameCycle) {
  const ThresholdCase cases[] = {
      {"88.0", "77.0", true, true, "Дефлегматор в норме\r\nНасадка в норме\r\nКлапан открыт"},
      {"88.1", "60", true, false, "Дефлегматор зашкалил\r\nНасадка в норме\r\nКлапан закрыт"},
      {"80", "77.1", true, false, "Дефлегматор в норме\r\nНасадка зашкалила\r\nКлапан закрыт"},
      // Control by the dephlegmator: the packing row shows its threshold.
      {"88.0", "77", false, true, "Дефлегматор в норме\r\nНасадка в норме\r\nКлапан открыт"},
  };
  r.no_waiting();
  for (const ThresholdCase& k : cases) {
    SCOPED_TRACE(std::string(k.dephlegmator) + " / " + k.packing);
    r.temperatures(k.dephlegmator, k.packing);
    r.c.c(ctl::T, 2).set_enabled(k.packing_takes_part);
    r.c.c(ctl::News).set_text("earlier");
    EXPECT_EQ(step(), k.open ? "down" : "up");
    EXPECT_EQ(r.valve_open(), k.open);
    EXPECT_EQ(r.text("Klapan_status"), k.open ? "1" : "0");
    EXPECT_EQ(r.text("News"), k.news);
  }
}

TEST_F(Liquid, WaitingMovesTheLiftEveryFourthCycleWithTheValveSwitchedInEach) {
  r.waiting("3", "3");
  r.temperatures("90", "70");
  std::vector<std::string> moves, waits;
  for (int i = 0; i < 6; ++i) {
    moves.push_back(step());
    waits.push_back(r.text("wait"));
    EXPECT_FALSE(r.valve_open());
  }
  EXPECT_EQ(moves, (std::vector<std::string>{"", "", "", "up", "", ""}));
  EXPECT_EQ(waits, (std::vector<std::string>{"2", "1", "0", "3", "2", "1"}));
}

TEST_F(Liquid, OneCounterServesBothDirections) {
  r.waiting("3", "1");
  r.temperatures("90", "70");
  EXPECT_EQ(step(), "");
  EXPECT_EQ(r.text("wait"), "0");
  r.temperatures("85", "70");
  EXPECT_EQ(step(), "down");
  EXPECT_EQ(r.text("wait"), "3");
  EXPECT_TRUE(r.valve_open());
}

TEST_F(Liquid, CounterEdgeCases) {
  struct Case {
    const char* wait;
    const char* after;
    const char* move;
  };
  const Case cases[] = {
      {"-1", "-2", ""},   // never reads 0 again
      {"", "3", "down"},  // empty reads 0
      {"abc", "3", "down"},
      {" 2 ", "1", ""},
  };
  r.temperatures("85", "70");
  for (const Case& k : cases) {
    SCOPED_TRACE(k.wait);
    r.waiting("3", k.wait);
    EXPECT_EQ(step(), k.move);
    EXPECT_EQ(r.text("wait"), k.after);
  }
}

TEST_F(Liquid, WithoutWaitingTheLiftMovesEveryStepAndTheCounterStays) {
  r.no_waiting();
  r.c.c(ctl::wait).set_text("2");
  r.temperatures("90", "70");
  EXPECT_EQ(step(), "up");
  r.temperatures("85", "70");
  EXPECT_EQ(step(), "down");
  EXPECT_EQ(r.text("wait"), "2");
}

TEST_F(Liquid, CountingDownATextThatHoldsNoWholeNumberFailsAfterTheValveSwitched) {
  r.waiting("3", "2.5");
  r.temperatures("90", "70");
  EXPECT_THROW(liquid_auto_step(r.c), Failure);
  EXPECT_EQ(r.text("wait"), "2.5");
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_FALSE(r.on("Timer5"));
}

}  // namespace
}  // namespace kolvar::core
