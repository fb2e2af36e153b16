#include "io/timed_outputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "io/lift.h"
#include "io/valve.h"
#include "platform/failure.h"
#include "platform/fake_port.h"
#include "rig.h"

namespace kolvar::io {
namespace {

using platform::FakePort;
using ::testing::ElementsAre;

const std::string kEleven(11, ' ');

TEST(Timer2, EndsTheFlashAndShiftsTheTitleUntilTheValveSetsIt) {
  Rig r;
  r.h.advance(400);  // on from the window's creation
  EXPECT_EQ(r.c.c("Shape1").back_color(), form::kMenuColor);
  EXPECT_FALSE(r.c.c("Timer2").on());
  EXPECT_EQ(r.c.c("Form1").text(), kEleven + "Kolvar");

  r.c.c("Shape1").set_back_color({255, 0, 0});  // the next cycle's flash
  r.c.c("Timer2").set_on(true);
  r.h.advance(400);
  EXPECT_EQ(r.c.c("Form1").text(), kEleven + kEleven + "Kolvar");
  EXPECT_EQ(r.c.c("Shape1").back_color(), form::kMenuColor);
  otkl(r.c);
  EXPECT_EQ(r.c.c("Form1").text(), "СТОП");
}

// Timer3 armed for 30 s plus two whole minutes, then a 500 ms cooling pulse.
struct VapourPause : ::testing::Test {
  Rig r;
  VapourPause() {
    r.tick("ps", {1});
    r.c.c("time3").set_text("2500");
    r.c.c("Timer4").set_interval(500);
    r.c.c("Timer3").set_tag("2");
    r.c.c("Timer3").set_interval(30000);
    r.c.c("Timer3").set_on(true);
  }
};

TEST_F(VapourPause, CountsWholeMinutesThenOpensForOnePulse) {
  form::Control& t3 = r.c.c("Timer3");
  r.h.advance(30000);
  EXPECT_EQ(t3.tag(), "1");
  EXPECT_EQ(t3.interval(), 60000);
  r.h.advance(60000);
  EXPECT_EQ(t3.tag(), "0");
  r.h.advance(59999);
  EXPECT_EQ(r.c.c("Klapan_status").text(), "");
  r.h.advance(1);
  EXPECT_EQ(r.c.c("Klapan_status").text(), "1");
  EXPECT_FALSE(t3.on());
  EXPECT_TRUE(r.c.c("Timer4").on());

  r.h.advance(500);
  EXPECT_FALSE(r.c.c("Timer4").on());
  EXPECT_EQ(r.c.c("Klapan_status").text(), "0");
  EXPECT_EQ(r.c.c("time3_S").text(), "2.5");
  EXPECT_EQ(r.c.c("News").text(), "Охлаждение отключено на\r\n2.5\r\n секунд");
  EXPECT_EQ(r.c.c("News").back_color(), kClosedColor);
  EXPECT_THAT(r.h.port1.writes(),
              ElementsAre(FakePort::Write{150000, 1}, FakePort::Write{150500, 0}));
}

TEST_F(VapourPause, PauseInSecondsUsesTheUsersSeparator) {
  r.h.locale.separator = ',';
  Timer4_Timer(r.c);
  EXPECT_EQ(r.c.c("time3_S").text(), "2,5");
  EXPECT_EQ(r.c.c("News").text(), "Охлаждение отключено на\r\n2,5\r\n секунд");
}

TEST_F(VapourPause, ANegativeMinuteCountMeansNoneLeft) {
  r.c.c("Timer3").set_tag("-1");
  Timer3_Timer(r.c);
  EXPECT_EQ(r.c.c("Klapan_status").text(), "1");
  EXPECT_FALSE(r.c.c("Timer3").on());
}

TEST_F(VapourPause, AMinuteCountThatIsNoNumberFailsBeforeTheValve) {
  r.c.c("Timer3").set_tag("two");
  EXPECT_THROW(Timer3_Timer(r.c), Failure);
  EXPECT_EQ(r.c.c("Klapan_status").text(), "");
  EXPECT_TRUE(r.c.c("Timer3").on());
  EXPECT_FALSE(r.c.c("Timer4").on());
}

TEST_F(VapourPause, APauseThatIsNoNumberFailsAfterTheValveClosed) {
  r.c.c("time3").set_text("abc");
  r.c.c("Timer4").set_on(true);
  EXPECT_THROW(Timer4_Timer(r.c), Failure);
  EXPECT_EQ(r.c.c("Klapan_status").text(), "0");
  EXPECT_EQ(r.c.c("time3_S").text(), "");
  EXPECT_TRUE(r.c.c("Timer4").on());
}

TEST(Timer7, EndsTheWorkingPulseAndAlsoDropsASharedLiftPin) {
  Rig r;
  r.tick("lu", {1});
  r.tick("puls", {1, 3});
  lift_up(r.c);
  r.c.c("pin", 2).set_text("1");  // the cycle raises the working pins without writing
  r.c.c("Timer7").set_interval(1500);
  r.c.c("Timer7").set_on(true);
  r.h.advance(1500);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_FALSE(r.c.c("Timer7").on());
  EXPECT_TRUE(r.c.c("Timer5").on());  // the lift's own end still comes
  r.h.advance(2500);
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{0, 1}, FakePort::Write{1500, 0},
                                              FakePort::Write{4000, 0}));
}

TEST(Timer5, ALiftStillEndsAfterTheCycleAndVapourTimersStop) {
  Rig r;
  r.tick("lu", {4});
  lift_up(r.c);
  r.c.c("Timer1").set_on(false);  // what a system stop switches off
  r.c.c("Timer3").set_on(false);
  r.h.advance(4000);
  EXPECT_EQ(r.image(), "00000000");
  EXPECT_THAT(r.bytes(), ElementsAre(8, 0));
}

}  // namespace
}  // namespace kolvar::io
