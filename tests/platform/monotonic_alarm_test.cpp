#include "platform/time/monotonic_alarm.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>

namespace kolvar::platform {
namespace {

using std::chrono::steady_clock;

bool ready_now(const MonotonicAlarm& alarm) {
  pollfd watched{static_cast<int>(alarm.handle()), POLLIN, 0};
  return ::poll(&watched, 1, 0) == 1;
}

// The loop's wait for a wake-up that is due already. The bound only keeps a
// broken alarm from hanging the test; a working one answers at once.
bool goes_off(const MonotonicAlarm& alarm) {
  pollfd watched{static_cast<int>(alarm.handle()), POLLIN, 0};
  return ::poll(&watched, 1, 60000) == 1;
}

TEST(MonotonicAlarm, QuietUntilArmed) {
  MonotonicAlarm alarm;
  EXPECT_FALSE(ready_now(alarm));
  EXPECT_FALSE(alarm.take());
}

TEST(MonotonicAlarm, ArmedForAPastMomentGoesOffOnceAndIsTaken) {
  // The clock's zero is the case where the system's call would read "disarm".
  for (const auto at : {steady_clock::now() - std::chrono::seconds(1), steady_clock::now(),
                        steady_clock::time_point{}}) {
    MonotonicAlarm alarm;
    alarm.arm(at);
    ASSERT_TRUE(goes_off(alarm));
    EXPECT_TRUE(alarm.take());
    EXPECT_FALSE(ready_now(alarm)) << "a taken alarm stays quiet";
    EXPECT_FALSE(alarm.take());
  }
}

TEST(MonotonicAlarm, GoesOffAgainWhenArmedAgain) {
  MonotonicAlarm alarm;
  alarm.arm(steady_clock::now());
  ASSERT_TRUE(goes_off(alarm));
  alarm.take();
  alarm.arm(steady_clock::now());
  ASSERT_TRUE(goes_off(alarm));
  EXPECT_TRUE(alarm.take());
}

TEST(MonotonicAlarm, ALaterArmOrDisarmReplacesAWakeUpNotYetTaken) {
  // The loop rearms after every run: a wake-up that went off meanwhile must
  // not wake it once more before the new moment.
  for (const bool disarm : {false, true}) {
    MonotonicAlarm alarm;
    alarm.arm(steady_clock::now());
    ASSERT_TRUE(goes_off(alarm));
    if (disarm)
      alarm.disarm();
    else
      alarm.arm(steady_clock::now() + std::chrono::hours(24));
    EXPECT_FALSE(ready_now(alarm)) << disarm;
    EXPECT_FALSE(alarm.take()) << disarm;
  }
}

}  // namespace
}  // namespace kolvar::platform
