// Timer semantics on virtual time.
#include <gtest/gtest.h>

#include "platform/failure.h"
#include "ui/headless.h"

namespace kolvar::form {
namespace {

class Timers : public ::testing::Test {
 protected:
  Timers() {
    for (Name timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3, ctl::Timer4, ctl::Timer5, ctl::Timer6,
                       ctl::Timer7, ctl::Timer8, ctl::Timer9}) {
      c().c(timer).set_on(false);
      std::string name(timer.text());
      c().on_timer(timer, [this, name](form::Controller&) { fired.push_back({rig.now(), name}); });
    }
  }
  form::Controller& c() { return rig.controller; }
  form::Control& timer(int n) { return c().form.get("Timer" + std::to_string(n)); }

  ui::Headless rig;
  std::vector<std::pair<platform::Millis, std::string>> fired;
};

TEST_F(Timers, PeriodicTimerFiresEveryIntervalIncludingExactlyAtTheEnd) {
  timer(5).set_interval(1000);
  timer(5).set_on(true);
  rig.advance(3000);
  ASSERT_EQ(fired.size(), 3u);
  EXPECT_EQ(fired[0].first, 1000);
  EXPECT_EQ(fired[2].first, 3000);
  EXPECT_EQ(rig.now(), 3000);
}

TEST_F(Timers, IntervalZeroNeverFires) {
  timer(8).set_interval(0);
  timer(8).set_on(true);
  rig.advance(100000);
  EXPECT_TRUE(fired.empty());
}

TEST_F(Timers, IntervalOutsideRangeIsAFailureNamingTheTimer) {
  timer(5).set_interval(700);
  for (long long bad : {-1LL, 65536LL, 1000000LL}) {
    try {
      timer(5).set_interval(bad);
      ADD_FAILURE() << bad;
    } catch (const Failure& f) {
      EXPECT_NE(std::string(f.what()).find("Timer5"), std::string::npos);
    }
  }
  EXPECT_EQ(timer(5).interval(), 700);
  timer(5).set_interval(65535);
  EXPECT_EQ(timer(5).interval(), 65535);
}

TEST_F(Timers, SettingTheIntervalRestartsTheCount) {
  timer(5).set_interval(1000);
  timer(5).set_on(true);
  rig.advance(700);
  timer(5).set_interval(1000);
  rig.advance(700);
  EXPECT_TRUE(fired.empty());
  rig.advance(300);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].first, 1700);
}

TEST_F(Timers, SwitchingOnStartsTheCountFromThatMoment) {
  timer(6).set_interval(1000);
  rig.advance(5000);
  timer(6).set_on(true);
  rig.advance(999);
  EXPECT_TRUE(fired.empty());
  rig.advance(1);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].first, 6000);
  // Off and on again: counted afresh.
  rig.advance(500);
  timer(6).set_on(false);
  timer(6).set_on(true);
  rig.advance(999);
  EXPECT_EQ(fired.size(), 1u);
  rig.advance(1);
  EXPECT_EQ(fired.size(), 2u);
}

TEST_F(Timers, DueTimersFireInOrderOfDueTimeTiesInFormOrder) {
  timer(9).set_interval(300);
  timer(2).set_interval(300);
  timer(5).set_interval(100);
  for (int n : {9, 2, 5}) timer(n).set_on(true);
  rig.advance(300);
  std::vector<std::string> order;
  for (auto& f : fired) order.push_back(f.second + "@" + std::to_string(f.first));
  EXPECT_EQ(order, (std::vector<std::string>{"Timer5@100", "Timer5@200", "Timer2@300", "Timer5@300",
                                             "Timer9@300"}));
}

TEST_F(Timers, AHandlerSwitchingAnotherTimerTakesEffectForLaterFirings) {
  // Timer5 at 1000 switches Timer9 (due at 1000 too) off and Timer6 on.
  timer(5).set_interval(1000);
  timer(9).set_interval(1000);
  timer(6).set_interval(500);
  timer(5).set_on(true);
  timer(9).set_on(true);
  c().on_timer(ctl::Timer5, [this](form::Controller& ctl) {
    fired.push_back({rig.now(), "Timer5"});
    ctl.c(ctl::Timer5).set_on(false);
    ctl.c(ctl::Timer9).set_on(false);
    ctl.c(ctl::Timer6).set_on(true);
  });
  rig.advance(2000);
  std::vector<std::string> order;
  for (auto& f : fired) order.push_back(f.second + "@" + std::to_string(f.first));
  EXPECT_EQ(order, (std::vector<std::string>{"Timer5@1000", "Timer6@1500", "Timer6@2000"}));
}

TEST_F(Timers, AHandlerResettingItsOwnIntervalIsDueOneNewIntervalLater) {
  timer(3).set_interval(30000);
  timer(3).set_on(true);
  c().on_timer(ctl::Timer3, [this](form::Controller& ctl) {
    fired.push_back({rig.now(), "Timer3"});
    ctl.c(ctl::Timer3).set_interval(60000);
  });
  rig.advance(150000);
  ASSERT_EQ(fired.size(), 3u);
  EXPECT_EQ(fired[1].first, 90000);
  EXPECT_EQ(fired[2].first, 150000);
}

TEST_F(Timers, AFailingHandlerIsShownAndTheRunGoesOn) {
  timer(7).set_interval(100);
  timer(7).set_on(true);
  c().on_timer(ctl::Timer7, [](form::Controller&) { throw Failure("сбой"); });
  rig.advance(250);
  ASSERT_EQ(rig.message_box.events.size(), 2u);
  EXPECT_EQ(rig.message_box.events[1].text, "сбой");
  EXPECT_EQ(rig.message_box.events[1].time, 200);
}

}  // namespace
}  // namespace kolvar::form
