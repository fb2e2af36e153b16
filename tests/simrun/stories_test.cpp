// Whole runs of the controller on the simulated column, each with settings an
// operator could choose: what the regulation of each take-off type does to
// the column, and how the protections end a run when the rig fails.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "form/text_number.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "simrun/takeoff_choice.h"
#include "support/temp_folder.h"

namespace kolvar::simrun {
namespace {

constexpr char kTankLimit[] = "Достигнут предел температуры бака";

class Story : public kolvar::testing::InFreshFolder {
 protected:
  // A smaller charge than the default keeps a whole run to two and a half
  // simulated hours.
  Story() : rig(simulated_rig({15, 40, 2000, 3})) {}

  void begin(Takeoff takeoff) {
    settle_settings_file(rig);
    world = std::make_unique<SimWorld>(rig);
    watch = std::make_unique<RunWatch>(*world);
    c().start();
    choose_takeoff(c(), takeoff);
    c().click(c().c(ctl::Start_sys_button));
  }

  // Runs until the system stops or the time limit; `each` sees every cycle
  // after the head first reached its band.
  void run_to_stop(const std::function<void()>& each = {}, double hours = 5) {
    const auto limit = static_cast<platform::Millis>(hours * 3600 * 1000);
    while (world->now() < limit && !watch->stopped()) {
      world->advance_to(world->now() + 1000, [&](platform::Millis at) {
        watch->after_cycle(at);
        if (each && watch->summary().head_watched > 0) each();
      });
    }
  }

  form::Controller& c() { return world->controller; }
  double reading(const char* name, int index) {
    return form::numeric_value(c().form.get(name, index).text());
  }
  // Role r's temperature as the cycle took it.
  double role(int r) { return c().column.role(r).value; }
  sim::PlantStatus plant() const { return world->plant.status(); }

  // The run ended with the tank limit, the head held its band for most of
  // the hearts, and most of the charge's spirit was taken off.
  void expect_a_good_run() {
    const RunSummary s = watch->summary();
    EXPECT_EQ(s.stop_reason, kTankLimit);
    EXPECT_GT(static_cast<double>(s.head_in_band), 0.9 * static_cast<double>(s.head_watched));
    const double spirit_in = rig.charge_litres * rig.charge_abv;
    EXPECT_GT(s.taken_off.litres() * s.taken_off.abv(), 0.85 * spirit_in);
    EXPECT_GT(s.taken_off.abv(), 0.9);
  }

  sim::PlantSettings rig;
  std::unique_ptr<SimWorld> world;
  std::unique_ptr<RunWatch> watch;
};

TEST_F(Story, LiquidTakeoffValveFollowsTheThresholdWhileTheLiftSteps) {
  begin(Takeoff::Liquid);
  long cycles = 0, disagreements = 0, lift_ups = 0, lift_downs = 0;
  double lift = plant().lift_cm;
  run_to_stop([&] {
    if (!c().c(ctl::Timer1).on()) return;  // the stop closed the valve
    ++cycles;
    // The first-run settings watch head and packing both.
    const bool over =
        role(1) > c().c(ctl::V, 1).value() / 10.0 || role(2) > c().c(ctl::V, 2).value() / 10.0;
    if (plant().valve_open == over) ++disagreements;
    if (plant().lift_cm > lift) ++lift_ups;
    if (plant().lift_cm < lift) ++lift_downs;
    lift = plant().lift_cm;
  });
  expect_a_good_run();
  EXPECT_EQ(disagreements, 0) << "of " << cycles << " cycles";
  EXPECT_GT(lift_ups, 20);
  EXPECT_GT(lift_downs, 20);
  EXPECT_GT(watch->summary().valve_openings, 100);
}

TEST_F(Story, VapourTakeoffShortensAndLengthensTheDelay) {
  begin(Takeoff::Vapour);
  long shorter = 0, longer = 0;
  double delay = reading("time3", form::kNoIndex);
  run_to_stop([&] {
    const double now = reading("time3", form::kNoIndex);
    if (now < delay) ++shorter;
    if (now > delay) ++longer;
    delay = now;
  });
  expect_a_good_run();
  EXPECT_GT(shorter, 20);
  EXPECT_GT(longer, 20);
}

TEST_F(Story, WidthModulatedShareFollowsTheTankLine) {
  begin(Takeoff::PwmTankLine);
  const OperatorChoices line;
  long cycles = 0, off_line = 0;
  double lowest = 100, highest = 0;
  run_to_stop([&] {
    if (!c().c(ctl::Timer1).on()) return;
    ++cycles;
    const double tank = role(3) * 10;
    const double over = std::max(0.0, tank - line.share_falls_from);
    const double percent = (100 - over / (line.share_zero_at - line.share_falls_from) * 100) *
                           line.full_share_percent / 100;
    const double share = reading("otb", form::kNoIndex) / 1000;
    if (std::abs(share - percent) > 0.5) ++off_line;
    lowest = std::min(lowest, share);
    highest = std::max(highest, share);
  });
  expect_a_good_run();
  EXPECT_EQ(off_line, 0) << "of " << cycles << " cycles";
  EXPECT_EQ(highest, line.full_share_percent);
  EXPECT_LT(lowest, 25);
}

TEST_F(Story, WidthModulatedShareRegulatedByTheHead) {
  begin(Takeoff::Pwm);
  run_to_stop();
  expect_a_good_run();
}

TEST_F(Story, StuckStopRelayKeepsHeatingUntilTheWatchdogLetsGo) {
  rig.watchdog = true;
  begin(Takeoff::Liquid);
  world->plant.faults.stop_relay_stuck = true;
  run_to_stop();
  ASSERT_EQ(watch->summary().stop_reason, kTankLimit);
  EXPECT_TRUE(plant().stop_raised);
  EXPECT_TRUE(plant().heater_on);
  const platform::Millis stop = world->now();
  while (plant().heater_on && world->now() < stop + 60000) world->advance_to(world->now() + 100);
  EXPECT_FALSE(plant().heater_on);
  EXPECT_TRUE(plant().watchdog_tripped);
  EXPECT_LE(world->now() - stop, rig.watchdog_ms + 2000);
}

}  // namespace
}  // namespace kolvar::simrun
