#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cycle_steps.h"
#include "core/pwm_phases.h"
#include "core/tank_line.h"
#include "platform/failure.h"
#include "regulation_rig.h"

namespace kolvar::core {
namespace {

using testing::RegulationRig;

struct Pwm : ::testing::Test {
  RegulationRig r{"SHIM"};

  Pwm() {
    r.no_waiting();
    r.c.c(ctl::Interval).set_value(6);
    r.c.c(ctl::dopusk).set_value(5);
    steady();
  }
  Flow step() { return pwm_auto_step(r.c); }
  void set_share(const char* otb) { r.c.c(ctl::otb).set_text(otb); }
  void over() { r.temperatures("88.2", "70"); }  // not beyond the tolerance
  void far_over() { r.temperatures("88.6", "70"); }
  void below() { r.temperatures("87.9", "77"); }
  void steady() { r.temperatures("88.0", "77.0"); }
  int closed_ms() const { return r.c.c(ctl::Timer8).interval(); }
  int open_ms() const { return r.c.c(ctl::Timer9).interval(); }
  bool armed() const { return r.on("Timer8"); }
};

TEST_F(Pwm, PhaseLengthsAddUpToThePeriod) {
  struct Case {
    const char* otb;
    int closed, open;
  };
  const Case cases[] = {{"50000", 3000, 3000}, {"33333", 4000, 2000}, {"1000", 5940, 60}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.otb);
    set_share(k.otb);
    arm_phases(r.c);
    EXPECT_EQ(closed_ms(), k.closed);
    EXPECT_EQ(open_ms(), k.open);
    EXPECT_TRUE(armed());
    EXPECT_FALSE(r.on("Timer9"));
  }
}

TEST_F(Pwm, PhaseTimersOpenAndCloseTheValveAndShowTheShare) {
  r.h.locale.separator = ',';
  set_share("33333");
  arm_phases(r.c);
  r.h.advance(3999);
  EXPECT_FALSE(r.valve_open());
  r.h.advance(1);
  EXPECT_TRUE(r.valve_open());
  EXPECT_FALSE(armed());
  EXPECT_TRUE(r.on("Timer9"));
  EXPECT_EQ(r.text("time3_S"), "33,333");
  EXPECT_EQ(r.text("News"), "Отбор 33,333%\r\nклапан открыт");
  r.h.advance(2000);
  EXPECT_FALSE(r.valve_open());
  EXPECT_FALSE(r.on("Timer9"));
  EXPECT_EQ(r.text("News"), "Отбор 33,333%\r\nклапан закрыт");
}

TEST_F(Pwm, ManualShare) {
  struct Case {
    int percent;
    const char* otb;
    bool armed;
    bool open;
    const char* news;
  };
  const Case cases[] = {
      {0, "0", false, false, "Отбор остановлен"},
      {98, "98000", true, false, "earlier"},  // pulses: 2 % closed, then open
      {99, "100000", false, true, "Отбор максимальный"},
      {100, "100000", false, true, "Отбор максимальный"},
  };
  r.c.c(ctl::manual_otb_Ch).set_value(1);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.percent);
    r.c.c(ctl::Timer9).set_on(false);
    r.c.c(ctl::Timer8).set_on(true);  // left from an earlier period
    r.c.c(ctl::News).set_text("earlier");
    r.c.c(ctl::manual_otb).set_value(k.percent);
    EXPECT_EQ(step(), Flow::Next);
    EXPECT_EQ(r.text("otb"), k.otb);
    EXPECT_EQ(armed(), k.armed);
    EXPECT_FALSE(r.on("Timer9"));
    EXPECT_EQ(r.valve_open(), k.open);
    EXPECT_EQ(r.text("News"), k.news);
  }
  EXPECT_EQ(closed_ms(), 120);
}

TEST_F(Pwm, ManualShareHeldClosedWhileTheColumnIsOver) {
  r.c.c(ctl::manual_otb_Ch).set_value(1);
  r.c.c(ctl::manual_temp_CH).set_value(1);
  r.c.c(ctl::manual_otb).set_value(50);
  set_share("20000");
  over();
  EXPECT_EQ(step(), Flow::Next);
  EXPECT_EQ(r.text("News"), "Дефлегматор зашкалил\r\nНасадка в норме\r\n");
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_FALSE(armed());
  EXPECT_EQ(r.text("otb"), "20000");

  steady();
  step();
  EXPECT_EQ(r.text("News"), "Дефлегматор в норме\r\nНасадка в норме\r\n");
  EXPECT_EQ(r.text("otb"), "50000");
  EXPECT_TRUE(armed());
}

TEST(TankLine, FallsFromKAtT1ToZeroAtT2) {
  struct Case {
    double tk, k, percent;
  };
  const Case cases[] = {{880, 100, 100}, {900, 100, 100}, {950, 100, 50}, {1000, 100, 0},
                        {1050, 100, 0},  {950, 25, 12.5}, {880, 25, 25}};
  for (const Case& k : cases) EXPECT_DOUBLE_EQ(tank_line_percent(900, 1000, k.tk, k.k), k.percent);
}

struct TankLineStep : Pwm {
  TankLineStep() {
    r.c.c(ctl::manual_otb_Ch).set_value(1);
    r.c.c(ctl::otb_po_t_bragi).set_value(1);
    r.c.c(ctl::T, 3).set_enabled(true);
    r.c.c(ctl::Timer1).set_on(true);
  }
  void tank(const char* reading, int k) {
    r.reading(3, reading);
    r.c.c(ctl::kalibr_kolonni_scr).set_value(k);
  }
};

TEST_F(TankLineStep, SetsTheManualShareFromTheTankTemperature) {
  struct Case {
    const char* tank;
    int k;
    int percent;
    const char* otb;
    const char* news;
  };
  const Case cases[] = {
      {"88.0", 100, 100, "100000", "Отбор максимальный"},
      {"95.0", 100, 50, "50000", "earlier"},
      {"95.0", 25, 12, "12000", "earlier"},  // 12.5 to the even neighbour
      {"100.0", 100, 0, "0", "Отбор остановлен"},
      {"104.0", 100, 0, "0", "Отбор остановлен"},  // past the 0 % temperature
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.tank) + " k " + std::to_string(k.k));
    r.c.c(ctl::News).set_text("earlier");
    tank(k.tank, k.k);
    EXPECT_EQ(step(), Flow::Next);
    EXPECT_EQ(r.c.c(ctl::manual_otb).value(), k.percent);
    EXPECT_EQ(r.text("manual_otb_1"), std::to_string(k.percent));
    EXPECT_EQ(r.text("otb"), k.otb);
    EXPECT_EQ(r.text("News"), k.news);
    EXPECT_TRUE(r.on("Timer1"));
  }
}

TEST_F(TankLineStep, StopsTheSystemWithoutATankSensorOrWithAnEmptyLine) {
  struct Case {
    bool tank_sensor;
    int t2;
    const char* reason;
  };
  const Case cases[] = {
      {false, 900, "Не включен датчик температуры бака"},  // checked first
      {true, 900, "в настройках t° начала снижения отбора ниже t° окончания отбора"},
      {true, 850, "в настройках t° начала снижения отбора ниже t° окончания отбора"},
  };
  tank("95.0", 100);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.reason);
    r.c.c(ctl::Timer1).set_on(true);
    r.c.c(ctl::T, 3).set_enabled(k.tank_sensor);
    r.c.c(ctl::temp_shim2_scr).set_value(k.t2);
    EXPECT_EQ(step(), Flow::EndCycle);
    EXPECT_FALSE(r.on("Timer1"));
    EXPECT_EQ(r.text("News"), std::string("СИСТЕМА ОСТАНОВЛЕНА\r\n") + k.reason);
  }
}

TEST_F(Pwm, AboveLowersTheShareByStepD) {
  struct Case {
    const char* otb;
    bool far;
    const char* after;
    bool armed;
  };
  const Case cases[] = {
      {"8000", false, "3000", true},   {"3000", false, "0", false}, {"5000", false, "0", false},
      {"20000", true, "15000", false},  // beyond the tolerance: stopped outright
      {"3000", true, "0", false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.otb) + (k.far ? " far" : ""));
    set_share(k.otb);
    r.c.c(ctl::stab_temp).set_text("5");
    k.far ? far_over() : over();
    step();
    EXPECT_EQ(r.text("otb"), k.after);
    EXPECT_EQ(armed(), k.armed);
    EXPECT_EQ(r.text("stab_temp"), "0");
    if (!k.armed) {
      EXPECT_EQ(r.text("News"), "Отбор остановлен");
    }
  }
}

TEST_F(Pwm, WaitingLetsEveryFourthChangeThrough) {
  r.waiting("3", "0");
  set_share("20000");
  far_over();
  std::vector<std::string> shares, waits;
  for (int i = 0; i < 5; ++i) {
    step();
    shares.push_back(r.text("otb"));
    waits.push_back(r.text("wait"));
    EXPECT_FALSE(armed());
    EXPECT_EQ(r.text("News"), "Отбор остановлен");
  }
  EXPECT_EQ(shares, (std::vector<std::string>{"15000", "15000", "15000", "15000", "10000"}));
  EXPECT_EQ(waits, (std::vector<std::string>{"3", "2", "1", "0", "3"}));
}

TEST_F(Pwm, BelowRaisesTheShareUpToFull) {
  struct Case {
    const char* otb;
    const char* after;
    bool armed;
    bool open;
  };
  const Case cases[] = {
      {"0", "1000", true, false},
      {"98000", "99000", true, false},
      {"99000", "100000", false, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.otb);
    r.c.c(ctl::Timer8).set_on(false);
    set_share(k.otb);
    r.c.c(ctl::stab_temp).set_text("5");
    below();
    step();
    EXPECT_EQ(r.text("otb"), k.after);
    EXPECT_EQ(armed(), k.armed);
    EXPECT_EQ(r.valve_open(), k.open);
    EXPECT_EQ(r.text("stab_temp"), "0");
  }
  EXPECT_EQ(r.text("News"), "Отбор максимальный");
}

TEST_F(Pwm, BelowAtZeroWithTheChangeHeldBackArmsNothing) {
  r.waiting("3", "2");
  set_share("0");
  below();
  step();
  EXPECT_EQ(r.text("otb"), "0");
  EXPECT_EQ(r.text("wait"), "1");
  EXPECT_FALSE(armed());
}

TEST_F(Pwm, TheTenthStableCycleRaisesTheShare) {
  set_share("50000");
  std::vector<std::string> counts;
  for (int i = 0; i < 10; ++i) {
    r.c.c(ctl::Timer8).set_on(false);
    step();
    EXPECT_TRUE(armed());
    counts.push_back(r.text("stab_temp"));
    EXPECT_EQ(r.text("otb"), i < 9 ? "50000" : "51000");
  }
  EXPECT_EQ(counts.back(), "0");
  EXPECT_EQ(counts[8], "9");

  r.c.c(ctl::stab_temp).set_text("11");  // past 10 it never equals 10 again
  step();
  EXPECT_EQ(r.text("stab_temp"), "12");
  EXPECT_EQ(r.text("otb"), "51000");
}

TEST_F(Pwm, StableAtTheEndsOfTheRange) {
  set_share("0");
  r.c.c(ctl::Klapan_status).set_text("1");
  step();
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_EQ(r.text("News"), "Отбор остановлен");
  EXPECT_FALSE(armed());

  set_share("99500");
  step();
  EXPECT_EQ(r.text("otb"), "100000");
  EXPECT_TRUE(r.valve_open());
  EXPECT_EQ(r.text("News"), "Отбор максимальный");
}

TEST_F(Pwm, ADephlegmatorAtItsThresholdWithThePackingRowOffIsStable) {
  r.c.c(ctl::T, 2).set_enabled(false);
  r.temperatures("88.0", "77");
  set_share("50000");
  step();
  EXPECT_EQ(r.text("stab_temp"), "1");
  EXPECT_EQ(r.text("otb"), "50000");
}

TEST_F(Pwm, CountersHoldingNoNumberFail) {
  set_share("lots");
  EXPECT_THROW(step(), Failure);
  set_share("50000");
  r.c.c(ctl::stab_temp).set_text("");
  EXPECT_THROW(step(), Failure);
}

// A period armed at 0 ms, and the next cycle handled while its open phase
// (from 3000 to 6000) still runs, as it does when both are due at 6000 and the
// cycle comes first.
struct PwmPeriods : Pwm {
  PwmPeriods() {
    set_share("50000");
    step();
    r.h.advance(5999);
  }
};

TEST_F(PwmPeriods, TheNextArmEndsTheRunningOpenPhaseFirst) {
  ASSERT_TRUE(r.valve_open());
  ASSERT_TRUE(r.on("Timer9"));
  step();  // the cycle came first
  EXPECT_FALSE(r.valve_open());
  EXPECT_FALSE(r.on("Timer9"));
  r.h.advance(2999);
  EXPECT_FALSE(r.valve_open());
  r.h.advance(1);
  EXPECT_TRUE(r.valve_open());
  r.h.advance(3000);
  EXPECT_FALSE(r.valve_open());  // one opening per period, not a doubled one
}

TEST_F(PwmPeriods, FullIsNotUndoneByTheOpenPhaseEnding) {
  ASSERT_TRUE(r.on("Timer9"));
  set_share("99500");
  step();
  EXPECT_EQ(r.text("News"), "Отбор максимальный");
  r.h.advance(6000);
  EXPECT_TRUE(r.valve_open());
}

TEST_F(Pwm, FromFullTheFirstClosedPhaseClosesTheValve) {
  set_share("100000");
  below();
  step();
  ASSERT_TRUE(r.valve_open());
  over();
  step();
  EXPECT_EQ(r.text("otb"), "95000");
  EXPECT_FALSE(r.valve_open());
  r.h.advance(300);
  EXPECT_TRUE(r.valve_open());
}

TEST_F(Pwm, AnEmptyOpenPhaseLeavesTheValveClosed) {
  r.waiting("3", "2");
  set_share("0");
  r.c.c(ctl::stab_temp).set_text("9");
  step();  // the tenth stable cycle arms with the share still 0
  EXPECT_TRUE(armed());
  EXPECT_EQ(open_ms(), 0);
  r.h.advance(6000);
  EXPECT_FALSE(armed());
  EXPECT_FALSE(r.on("Timer9"));
  EXPECT_FALSE(r.valve_open());
  EXPECT_EQ(r.text("News"), "Отбор 0%\r\nклапан закрыт");
}

}  // namespace
}  // namespace kolvar::core
