#include "io/lift.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/failure.h"
#include "platform/ports/fake_port.h"
#include "rig.h"

namespace kolvar::io {
namespace {

using platform::FakePort;
using ::testing::ElementsAre;

TEST(Lift, UpHoldsItsPinForTravelTimesSpeed) {
  Rig r;
  r.tick("lu", {1});
  lift_up(r.c);
  EXPECT_EQ(r.image(), "10000000");
  r.h.advance(3999);
  EXPECT_EQ(r.image(), "10000000");
  r.h.advance(1);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_FALSE(r.c.c(ctl::Timer5).on());
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{0, 1}, FakePort::Write{4000, 0}));
}

TEST(Lift, ASecondCallExtendsTheMovementFromItself) {
  Rig r;
  r.tick("lu", {1});
  lift_up(r.c);
  r.h.advance(1000);
  lift_up(r.c);
  r.h.advance(3999);
  EXPECT_EQ(r.image(), "10000000");
  r.h.advance(1);
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{0, 1}, FakePort::Write{1000, 1},
                                              FakePort::Write{5000, 0}));
}

TEST(Lift, BothDirectionsRunTogetherAndEndOnTheirOwn) {
  Rig r;
  r.tick("lu", {1});
  r.tick("ld", {2});
  r.c.c(ctl::lift_down_def).set_text("2.5");  // fractions of a centimetre count
  lift_up(r.c);
  r.h.advance(500);
  lift_down(r.c);
  r.h.advance(10000);
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{0, 1}, FakePort::Write{500, 3},
                                              FakePort::Write{3000, 1}, FakePort::Write{4000, 0}));
}

TEST(Lift, ZeroDurationMovesNothing) {
  Rig r;
  r.tick("lu", {1});
  r.c.c(ctl::lift_speed).set_text("0");
  lift_up(r.c);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_FALSE(r.c.c(ctl::Timer5).on());
  EXPECT_EQ(r.h.port1.attempts(), 0u);
}

struct BadLift {
  const char* what;
  const char* travel;
  const char* speed;
  friend void PrintTo(const BadLift& b, std::ostream* out) { *out << b.what; }
};

class LiftRefuses : public ::testing::TestWithParam<BadLift> {};

TEST_P(LiftRefuses, BeforeAnyPinOrTimerChanges) {
  Rig r;
  r.tick("ld", {8});
  r.c.c(ctl::lift_down_def).set_text(GetParam().travel);
  r.c.c(ctl::lift_speed).set_text(GetParam().speed);
  EXPECT_THROW(lift_down(r.c), Failure);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_EQ(r.c.c(ctl::Timer6).interval(), 1000);
  EXPECT_FALSE(r.c.c(ctl::Timer6).on());
  EXPECT_EQ(r.h.port1.attempts(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Inputs, LiftRefuses,
                         ::testing::Values(BadLift{"TravelNotANumber", "1 cm", "1000"},
                                           BadLift{"SpeedEmpty", "1", ""},
                                           BadLift{"PastTheTimer", "66", "1000"},
                                           BadLift{"JustPast", "65535.5", "1"},
                                           BadLift{"Negative", "-1", "1000"},
                                           BadLift{"Huge", "999999999999999999", "1000"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Lift, ARefusedCallLeavesARunningMovementAlone) {
  Rig r;
  r.tick("lu", {1});
  lift_up(r.c);
  r.h.advance(1000);
  r.c.c(ctl::lift_up_def).set_text("x");
  EXPECT_THROW(lift_up(r.c), Failure);
  r.h.advance(3000);
  EXPECT_EQ(r.image(), "00000000");
}

}  // namespace
}  // namespace kolvar::io
