#include "io/timed_outputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "io/lift.h"
#include "io/valve.h"
#include "platform/failure.h"
#include "platform/ports/fake_port.h"
#include "rig.h"

namespace kolvar::io {
namespace {

using platform::FakePort;
using ::testing::ElementsAre;

const std::string kEleven(11, ' ');

TEST(Timer2, EndsTheFlashAndShiftsTheTitleUntilTheValveSetsIt) {
  Rig r;
  r.h.advance(400);  // on from the window's creation
  EXPECT_EQ(r.c.c(ctl::Shape1).back_color(), form::kMenuColor);
  EXPECT_FALSE(r.c.c(ctl::Timer2).on());
  EXPECT_EQ(r.c.c(ctl::Form1).text(), kEleven + "Kolvar");

  r.c.c(ctl::Shape1).set_back_color({255, 0, 0});  // the next cycle's flash
  r.c.c(ctl::Timer2).set_on(true);
  r.h.advance(400);
  EXPECT_EQ(r.c.c(ctl::Form1).text(), kEleven + kEleven + "Kolvar");
  EXPECT_EQ(r.c.c(ctl::Shape1).back_color(), form::kMenuColor);
  otkl(r.c);
  EXPECT_EQ(r.c.c(ctl::Form1).text(), "СТОП");
}

TEST(Timer7, EndsTheWorkingPulseAndAlsoDropsASharedLiftPin) {
  Rig r;
  r.tick("lu", {1});
  r.tick("puls", {1, 3});
  lift_up(r.c);
  r.c.c(ctl::pin, 2).set_text("1");  // the cycle raises the working pins without writing
  r.c.c(ctl::Timer7).set_interval(1500);
  r.c.c(ctl::Timer7).set_on(true);
  r.h.advance(1500);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_FALSE(r.c.c(ctl::Timer7).on());
  EXPECT_TRUE(r.c.c(ctl::Timer5).on());  // the lift's own end still comes
  r.h.advance(2500);
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{0, 1}, FakePort::Write{1500, 0},
                                              FakePort::Write{4000, 0}));
}

TEST(Timer5, ALiftStillEndsAfterTheCycleAndVapourTimersStop) {
  Rig r;
  r.tick("lu", {4});
  lift_up(r.c);
  r.c.c(ctl::Timer1).set_on(false);  // what a system stop switches off
  r.c.c(ctl::Timer3).set_on(false);
  r.h.advance(4000);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_THAT(r.bytes(), ElementsAre(8, 0));
}

}  // namespace
}  // namespace kolvar::io
