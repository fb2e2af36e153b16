#include "core/delay_timer.h"

#include <gtest/gtest.h>

#include <limits>

#include "form/text_number.h"
#include "platform/failure.h"
#include "ui/headless.h"

namespace kolvar::core {
namespace {

TEST(DelayTimer, SplitsIntoWholeMinutesAndAFirstInterval) {
  struct Case {
    double delay;
    DelaySplit split;
  };
  const Case cases[] = {
      {0, {0, 0}},
      {2000, {0, 2000}},
      // halves to even
      {2000.5, {0, 2000}},
      {2001.5, {0, 2002}},
      {60000, {0, 60000}},
      {60000.5, {0, 60000}},
      {61000, {1, 1000}},
      // 1.5 minutes round to 2, which overshoots
      {90000, {1, 30000}},
      {120000, {1, 60000}},
      {150000, {2, 30000}},
      // never a last interval of 0 ms, which would not fire
      {60000.7, {1, 1}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.delay);
    EXPECT_EQ(split_delay(k.delay), k.split);
  }
}

TEST(DelayTimer, EverySplitAddsUpAndFitsTheTimer) {
  for (double d = 0; d <= 600000; d += 499.5) {
    const DelaySplit s = split_delay(d);
    EXPECT_EQ(s.minutes * 60000 + s.interval, form::round_half_even(d)) << d;
    EXPECT_GE(s.minutes, 0) << d;
    EXPECT_LE(s.interval, 60000) << d;
    if (d > 60000) {
      EXPECT_GE(s.interval, 1) << d;
    }
  }
}

TEST(DelayTimer, RefusesADelayTheTimerCannotCount) {
  for (double d : {-1.0, -0.4, std::numeric_limits<double>::quiet_NaN(), 1e16,
                   std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(split_delay(d), Failure) << d;
  }
}

TEST(DelayTimer, ArmingSetsIntervalAndMinuteCountButLeavesTheTimerOff) {
  ui::Headless h;
  form::Control& t3 = h.controller.c(ctl::Timer3);
  arm_delay_timer(h.controller, 150000);
  EXPECT_EQ(t3.interval(), 30000);
  EXPECT_EQ(t3.tag(), "2");
  EXPECT_FALSE(t3.on());
  EXPECT_THROW(arm_delay_timer(h.controller, -5), Failure);
  EXPECT_EQ(t3.interval(), 30000);
  EXPECT_EQ(t3.tag(), "2");
}

}  // namespace
}  // namespace kolvar::core
