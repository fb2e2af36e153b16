// The model's clock at a changeable rate, on a steady clock the test sets.
#include "form/scaled_millis.h"

#include <gtest/gtest.h>

namespace kolvar::form {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

class ScaledMillisTest : public ::testing::Test {
 protected:
  ScaledMillis::Moment real{std::chrono::hours(5)};
  ScaledMillis clock{3600000, [this] { return real; }};
};

TEST_F(ScaledMillisTest, RateChangesNeverJumpAndWakeUpsFollowTheRate) {
  struct Step {
    int speed;
    milliseconds real_passes;
    platform::Millis model_passes;
  };
  // Each change lands between two model milliseconds; the clock goes on from
  // where it was, never back, at the new rate.
  const Step steps[] = {
      {1, milliseconds(1500), 1500}, {60, milliseconds(1000), 60000}, {10, milliseconds(250), 2500},
      {1, milliseconds(10), 10},     {0, milliseconds(10), 10},  // below 1 counts as 1
  };
  EXPECT_EQ(clock(), 3600000);
  for (const Step& s : steps) {
    const platform::Millis before = clock();
    real += nanoseconds(333);  // a fraction of a model millisecond under way
    clock.set_speed(s.speed);
    EXPECT_GE(clock(), before) << s.speed;
    EXPECT_LE(clock(), before + 1) << s.speed;
    const platform::Millis from = clock();
    real += s.real_passes;
    EXPECT_EQ(clock() - from, s.model_passes) << s.speed;
    // The wake-up for a model moment comes when the model reaches it, not before.
    const platform::Millis due = clock() + 120;
    const ScaledMillis::Moment wake = clock.at(due);
    const ScaledMillis::Moment was = real;
    real = wake - nanoseconds(1);
    EXPECT_LT(clock(), due) << s.speed;
    real = wake;
    EXPECT_EQ(clock(), due) << s.speed;
    real = was;
  }
  EXPECT_EQ(clock.speed(), 1);
  // A moment already reached wakes at once.
  EXPECT_LE(clock.at(clock() - 5000), real);
}

}  // namespace
}  // namespace kolvar::form
