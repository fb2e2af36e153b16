// The vapour take-off's delay and pulse timers, fired on virtual time.
#include "core/vapour_timers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/system_stop.h"
#include "io/valve.h"
#include "platform/failure.h"
#include "platform/ports/fake_port.h"
#include "ui/headless.h"

namespace kolvar::core {
namespace {

using platform::FakePort;
using ::testing::ElementsAre;

struct VapourTimerRig {
  ui::Headless h;
  form::Controller& c = h.controller;
};

// Timer3 armed for 30 s plus two whole minutes, then a 500 ms cooling pulse.
struct VapourPause : ::testing::Test {
  VapourTimerRig r;
  VapourPause() {
    r.c.c(ctl::ps, 1).set_checked(true);
    r.c.c(ctl::time3).set_text("2500");
    r.c.c(ctl::Timer4).set_interval(500);
    r.c.set_minute_count(2);
    r.c.c(ctl::Timer3).set_interval(30000);
    r.c.c(ctl::Timer3).set_on(true);
  }
};

TEST_F(VapourPause, CountsWholeMinutesThenOpensForOnePulse) {
  form::Control& t3 = r.c.c(ctl::Timer3);
  r.h.advance(30000);
  EXPECT_EQ(t3.tag(), "1");
  EXPECT_EQ(t3.interval(), 60000);
  r.h.advance(60000);
  EXPECT_EQ(t3.tag(), "0");
  r.h.advance(59999);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "");
  r.h.advance(1);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "1");
  EXPECT_FALSE(t3.on());
  EXPECT_TRUE(r.c.c(ctl::Timer4).on());

  r.h.advance(500);
  EXPECT_FALSE(r.c.c(ctl::Timer4).on());
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "0");
  EXPECT_EQ(r.c.c(ctl::time3_S).text(), "2.5");
  EXPECT_EQ(r.c.c(ctl::News).text(), "Охлаждение отключено на\r\n2.5\r\n секунд");
  EXPECT_EQ(r.c.c(ctl::News).back_color(), io::kClosedColor);
  EXPECT_THAT(r.h.port1.writes(),
              ElementsAre(FakePort::Write{150000, 1}, FakePort::Write{150500, 0}));
}

TEST_F(VapourPause, PauseInSecondsUsesTheUsersSeparator) {
  r.h.locale.separator = ',';
  Timer4_Timer(r.c);
  EXPECT_EQ(r.c.c(ctl::time3_S).text(), "2,5");
  EXPECT_EQ(r.c.c(ctl::News).text(), "Охлаждение отключено на\r\n2,5\r\n секунд");
}

TEST_F(VapourPause, ANegativeMinuteCountMeansNoneLeft) {
  r.c.set_minute_count(-1);
  Timer3_Timer(r.c);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "1");
  EXPECT_FALSE(r.c.c(ctl::Timer3).on());
}

// The count lives in the tag: one written from outside is the count, and one
// that holds no whole number fails the tick that reads it.
TEST_F(VapourPause, TheMinuteCountIsWhatTheTagHolds) {
  r.c.c(ctl::Timer3).set_tag("2");
  Timer3_Timer(r.c);
  EXPECT_EQ(r.c.c(ctl::Timer3).tag(), "1");
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "");
  EXPECT_TRUE(r.c.c(ctl::Timer3).on());

  r.c.c(ctl::Timer3).set_tag("two");
  EXPECT_THROW(Timer3_Timer(r.c), Failure);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "");
  EXPECT_TRUE(r.c.c(ctl::Timer3).on());
  EXPECT_FALSE(r.c.c(ctl::Timer4).on());
}

TEST_F(VapourPause, APauseThatIsNoNumberFailsAfterTheValveClosed) {
  r.c.c(ctl::time3).set_text("abc");
  r.c.c(ctl::Timer4).set_on(true);
  EXPECT_THROW(Timer4_Timer(r.c), Failure);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "0");
  EXPECT_EQ(r.c.c(ctl::time3_S).text(), "");
  EXPECT_TRUE(r.c.c(ctl::Timer4).on());
}

TEST_F(VapourPause, APauseThatIsNoNumberAfterAStopKeepsTheStopMessage) {
  // A stop leaves a running pulse to end by itself; its failure must not
  // leave the valve's message over the reason of the stop.
  r.h.advance(150000);
  ASSERT_TRUE(r.c.c(ctl::Timer4).on());
  system_stop(r.c, "Остановлено пользователем");
  const std::string stopped = r.c.c(ctl::News).text();
  r.c.c(ctl::time3).set_text("1e3");
  EXPECT_THROW(Timer4_Timer(r.c), Failure);
  EXPECT_EQ(r.c.c(ctl::Klapan_status).text(), "0");
  EXPECT_EQ(r.c.c(ctl::News).text(), stopped);
}

}  // namespace
}  // namespace kolvar::core
