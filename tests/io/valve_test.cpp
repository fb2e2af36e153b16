#include "io/valve.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/failure.h"
#include "rig.h"

namespace kolvar::io {
namespace {

using ::testing::ElementsAre;

const std::string kNoMode = "Режим работы не выбран\r\n";

TEST(Valve, StartAndStopPinsSwapLevels) {
  Rig r;
  r.tick("ps", {3});
  r.tick("pf", {4});
  vkl(r.c);
  EXPECT_EQ(r.image(), "00100000");
  EXPECT_EQ(r.c.c(ctl::Form1).text(), "СТАРТ");
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "1");
  EXPECT_EQ(r.c.c(ctl::News).back_color(), kOpenColor);
  otkl(r.c);
  EXPECT_EQ(r.image(), "00010000");
  EXPECT_EQ(r.c.c(ctl::Form1).text(), "СТОП");
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "0");
  EXPECT_EQ(r.c.c(ctl::News).back_color(), kClosedColor);
  EXPECT_THAT(r.bytes(), ElementsAre(4, 8));
}

TEST(Valve, APinInBothMenusEndsLowEitherWay) {
  Rig r;
  r.tick("ps", {2, 5});
  r.tick("pf", {5});
  vkl(r.c);
  EXPECT_EQ(r.image(), "01000000");
  otkl(r.c);
  EXPECT_EQ(r.image(), "00000000");
}

TEST(Valve, NothingTickedStillWritesAndShowsTheState) {
  Rig r;
  vkl(r.c);
  EXPECT_THAT(r.bytes(), ElementsAre(0));
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "1");
  EXPECT_EQ(r.c.c(ctl::News).text(), kNoMode + "Клапан открыт");
}

// The take-off code sets the rule; the valve only follows it.
TEST(Valve, TellsThePanelAsTheControllersRuleSays) {
  struct Case {
    form::ValveNewsRule rule;
    std::string after_open_and_close;
  };
  const Case cases[] = {
      {[](const form::Controller&) { return form::ValveNews::Silent; }, "старое"},
      {[](const form::Controller&) { return form::ValveNews::Replace; }, "Клапан закрыт"},
      {[](const form::Controller&) { return form::ValveNews::Append; },
       "староеКлапан открытКлапан закрыт"},
  };
  for (const Case& k : cases) {
    Rig r;
    r.c.set_valve_news_rule(k.rule);
    r.c.c(ctl::News).set_text("старое");
    vkl(r.c);
    otkl(r.c);
    EXPECT_EQ(r.c.c(ctl::News).text(), k.after_open_and_close);
    EXPECT_EQ(r.c.c(ctl::News).back_color(), kClosedColor);
  }
}

TEST(Valve, AFailedWriteLeavesTheStepsAfterItUndone) {
  Rig r;
  r.c.c(ctl::Form1).set_text("СТОП");
  r.c.c(ctl::Klapan_status).set_text("0");
  r.c.c(ctl::pin, 6).set_text("?");
  EXPECT_THROW(vkl(r.c), Failure);
  EXPECT_EQ(r.c.c(ctl::Form1).text(), "СТАРТ");
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "0");
  EXPECT_EQ(r.c.c(ctl::News).text(), kNoMode);
}

}  // namespace
}  // namespace kolvar::io
