#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "io/coil.h"
#include "io/valve.h"
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
  EXPECT_EQ(r.c.c("Form1").text(), "СТАРТ");
  EXPECT_EQ(r.c.c("Klapan_status").text(), "1");
  EXPECT_EQ(r.c.c("News").back_color(), kOpenColor);
  otkl(r.c);
  EXPECT_EQ(r.image(), "00010000");
  EXPECT_EQ(r.c.c("Form1").text(), "СТОП");
  EXPECT_EQ(r.c.c("Klapan_status").text(), "0");
  EXPECT_EQ(r.c.c("News").back_color(), kClosedColor);
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
  EXPECT_EQ(r.c.c("Klapan_status").text(), "1");
  EXPECT_EQ(r.c.c("News").text(), kNoMode + "Клапан открыт");
}

struct Mode {
  const char* what;
  const char* type;  // the ticked take-off menu item
  bool automatic;
  std::string after_two_opens;
};

class ValveText : public ::testing::TestWithParam<Mode> {};

TEST_P(ValveText, FollowsTheTakeOffType) {
  const Mode& m = GetParam();
  Rig r;
  r.c.c("liquid").set_checked(false);
  r.c.c(m.type).set_checked(true);
  r.c.c("Auto").set_checked(m.automatic);
  vkl(r.c);
  vkl(r.c);
  EXPECT_EQ(r.c.c("News").text(), m.after_two_opens);
  EXPECT_EQ(r.c.c("News").back_color(), kOpenColor);
  EXPECT_EQ(r.bytes().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValveText,
    ::testing::Values(Mode{"Liquid", "liquid", true, kNoMode + "Клапан открытКлапан открыт"},
                      Mode{"VapourAuto", "par", true, "Клапан открыт"},
                      Mode{"VapourByHand", "par", false, kNoMode + "Клапан открытКлапан открыт"},
                      Mode{"Pwm", "SHIM", true, kNoMode}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Valve, AFailedWriteLeavesTheStepsAfterItUndone) {
  Rig r;
  r.c.c("Form1").set_text("СТОП");
  r.c.c("Klapan_status").set_text("0");
  r.c.c("pin", 6).set_text("?");
  EXPECT_THROW(vkl(r.c), Failure);
  EXPECT_EQ(r.c.c("Form1").text(), "СТАРТ");
  EXPECT_EQ(r.c.c("Klapan_status").text(), "0");
  EXPECT_EQ(r.c.c("News").text(), kNoMode);
}

TEST(Coil, SwitchesOnlyItsPinsAndWrites) {
  Rig r;
  r.tick("zm", {2, 5});
  r.c.c("pin", 0).set_text("1");
  vkl2(r.c);
  EXPECT_EQ(r.image(), "11001000");
  otkl2(r.c);
  EXPECT_EQ(r.image(), "10000000");
  EXPECT_THAT(r.bytes(), ElementsAre(19, 1));
  EXPECT_EQ(r.c.c("Form1").text(), "Kolvar");
}

}  // namespace
}  // namespace kolvar::io
