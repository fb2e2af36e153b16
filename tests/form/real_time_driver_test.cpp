// The real-time driver's rules, on a monotonic clock the test sets by hand.
#include "form/real_time_driver.h"

#include <gtest/gtest.h>

#include "form/names.h"
#include "platform/fakes.h"
#include "platform/ports/fake_port.h"

namespace kolvar::form {
namespace {

class RealTimeDriverTest : public ::testing::Test {
 protected:
  RealTimeDriverTest() {
    const Name names[] = {ctl::Timer1, ctl::Timer2, ctl::Timer3, ctl::Timer4, ctl::Timer5,
                          ctl::Timer6, ctl::Timer7, ctl::Timer8, ctl::Timer9};
    for (int n = 1; n <= 9; ++n) {
      timer(n).set_on(false);
      controller.on_timer(names[n - 1], [this, n](Controller&) {
        fired.push_back({clock.now(), n});
      });
    }
  }
  Control& timer(int n) { return controller.form.get("Timer" + std::to_string(n)); }
  void start(int n, int interval) {
    timer(n).set_interval(interval);
    timer(n).set_on(true);
  }
  void wake_at(platform::Millis t) {
    monotonic = t;
    driver.run_due();
  }

  struct Fired {
    platform::Millis at;
    int timer;
    bool operator==(const Fired&) const = default;
    friend void PrintTo(const Fired& f, std::ostream* os) {
      *os << "Timer" << f.timer << "@" << f.at;
    }
  };

  platform::Millis monotonic = 0;
  RealTimeClock clock{[this] { return monotonic; }};
  platform::FakePort port1{clock, "first"}, port2{clock, "second"};
  platform::RecordingMessageBox box{clock};
  platform::RecordingSound sound{clock};
  platform::RecordingLauncher launcher{clock};
  platform::FixedLocale locale;
  platform::Services services{clock, port1, port2, box, sound, launcher, locale};
  Controller controller{services};
  RealTimeDriver driver{controller, clock};
  std::vector<Fired> fired;
};

TEST_F(RealTimeDriverTest, SleepsUntilTheEarliestDueTimerAndFiresInDueOrder) {
  EXPECT_EQ(driver.next_due(), std::nullopt);
  start(5, 500);
  start(6, 300);
  start(8, 0);  // interval 0 never fires, so it never wakes the loop
  EXPECT_EQ(driver.next_due(), 300);
  wake_at(299);
  EXPECT_TRUE(fired.empty());
  wake_at(300);
  wake_at(650);  // woke late, but within one period of each
  EXPECT_EQ(fired, (std::vector<Fired>{{300, 6}, {500, 5}, {600, 6}}));
  EXPECT_EQ(driver.next_due(), 900);
}

TEST_F(RealTimeDriverTest, HandlersSeeTheirDueTimeAndEverythingElseSeesNow) {
  start(1, 1000);
  controller.on_timer(ctl::Timer1, [this](Controller&) {
    fired.push_back({clock.now(), 1});
    start(9, 300);  // a phase that a cycle starts counts from the cycle's due time
  });
  wake_at(1004);
  EXPECT_EQ(clock.now(), 1004);
  EXPECT_EQ(driver.next_due(), 1300);
  wake_at(1300);
  EXPECT_EQ(fired, (std::vector<Fired>{{1000, 1}, {1300, 9}}));
}

TEST_F(RealTimeDriverTest, AfterAStallEachPeriodicTimerFiresOnceAndCountsFromNow) {
  start(1, 2000);
  start(2, 400);
  wake_at(60000);  // suspended for a minute
  EXPECT_EQ(fired, (std::vector<Fired>{{60000, 1}, {60000, 2}}));
  EXPECT_EQ(driver.next_due(), 60400);
  fired.clear();
  wake_at(60400);
  EXPECT_EQ(fired, (std::vector<Fired>{{60400, 2}}));
}

TEST_F(RealTimeDriverTest, SettingTheIntervalRestartsTheCountFromNow) {
  start(5, 1000);
  monotonic = 600;
  timer(5).set_interval(300);
  EXPECT_EQ(driver.next_due(), 900);
  wake_at(1000);
  EXPECT_EQ(fired, (std::vector<Fired>{{900, 5}}));
}

TEST_F(RealTimeDriverTest, ATimerSwitchedOffByAnEarlierHandlerDoesNotFire) {
  start(3, 500);
  start(4, 500);
  controller.on_timer(ctl::Timer3, [this](Controller&) {
    fired.push_back({clock.now(), 3});
    timer(4).set_on(false);
  });
  wake_at(500);
  EXPECT_EQ(fired, (std::vector<Fired>{{500, 3}}));
  EXPECT_TRUE(driver.next_due().has_value());
  EXPECT_EQ(*driver.next_due(), 1000);
}

TEST_F(RealTimeDriverTest, TheHookHearsEachDueMomentOnceBeforeItsHandlers) {
  // Timer 0 in the record stands for the hook.
  RealTimeDriver told(controller, clock, [this](platform::Millis t) { fired.push_back({t, 0}); });
  start(3, 500);
  start(4, 500);
  start(6, 300);
  for (platform::Millis t : {300, 650}) {
    monotonic = t;
    told.run_due();
  }
  EXPECT_EQ(fired, (std::vector<Fired>{
                       {300, 0}, {300, 6}, {500, 0}, {500, 3}, {500, 4}, {600, 0}, {600, 6}}));
}

}  // namespace
}  // namespace kolvar::form
