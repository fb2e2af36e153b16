// Whole runs of the controller on the simulated column, each with settings an
// operator could choose: what the regulation of each take-off type does to
// the column, how the protections end a run when the rig fails, and what
// each type does when the weather changes the boiling points under it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "form/text_number.h"
#include "simrun/preheat.h"
#include "simrun/rig.h"
#include "simrun/run_watch.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "simrun/takeoff_choice.h"
#include "support/temp_folder.h"

namespace kolvar::simrun {
namespace {

constexpr char kOperatorStop[] = "Остановлено пользователем";

class Story : public kolvar::testing::InFreshFolder {
 protected:
  // A smaller charge than the default keeps a whole run to two and a half
  // simulated hours.
  Story() : rig(simulated_rig({15, 40, 2000, 3})) {}

  // `settle`: heat and settle at total reflux before starting, as a distiller
  // does; a rig whose heater waits for the working signal cannot.
  void begin(Takeoff takeoff, bool settle = true) {
    settle_settings_file(rig);
    world = std::make_unique<SimWorld>(rig);
    watch = std::make_unique<RunWatch>(*world);
    if (settle) {
      const TotalReflux settled = settle_at_total_reflux(world->plant);
      ASSERT_TRUE(settled.boiling_at);
      watch->total_reflux(*settled.boiling_at, settled.head_celsius);
      world->advance_to(world->plant.now());
    }
    c().start();
    choose_takeoff(c(), takeoff);
    c().click(c().c(ctl::Start_sys_button));
  }

  // Runs until the system stops or `hours` after the start; `each` sees
  // every cycle after the head first reached its band. The operator takes
  // no tails: "Стоп системы" once the hearts have ended.
  void run_to_stop(const std::function<void()>& each = {}, double hours = 6) {
    const auto limit = world->now() + static_cast<platform::Millis>(hours * 3600 * 1000);
    while (world->now() < limit && !watch->stopped()) {
      world->advance_to(world->now() + 1000, [&](platform::Millis at) {
        watch->after_cycle(at);
        check_heads_first();
        if (each && watch->summary().head_watched > 0) each();
      });
      stop_at_hearts_end(c(), *watch);
    }
  }

  form::Controller& c() { return world->controller; }
  double reading(const char* name, int index) {
    return form::numeric_value(c().form.get(name, index).text());
  }
  // Role r's temperature as the cycle took it.
  double role(int r) { return c().column.role(r).value; }
  sim::PlantStatus plant() const { return world->plant.status(); }

  // The tails ended the hearts before the tank reached its limit, the head
  // held its band for most of the hearts, most of the charge's spirit came
  // off, and the hearts were strong.
  void expect_a_good_run(bool heads_cut = true) {
    const RunSummary s = watch->summary();
    expect_ended_by_the_tails(s);
    EXPECT_GT(static_cast<double>(s.head_in_band), 0.9 * static_cast<double>(s.head_watched));
    const double spirit_in = rig.charge_litres * rig.charge_abv;
    EXPECT_GT(s.taken_off.litres() * s.taken_off.abv(), 0.8 * spirit_in);
    EXPECT_GE(s.hearts.abv(), 0.95);
    // The heads came off first, and were about a per cent of the charge
    // where the head sets the pace; on the tank line they come off no slower
    // than the hearts, and spread into them.
    EXPECT_TRUE(heads_first);
    EXPECT_LT(s.heads.litres(), 0.02 * rig.charge_litres);
    if (heads_cut) {
      EXPECT_GT(s.heads.litres(), 0.005 * rig.charge_litres);
    }
  }

  // The packing rose on the tails and the operator stopped the column, the
  // pot still short of the tank limit; the hearts are most of what came off.
  void expect_ended_by_the_tails(const RunSummary& s) {
    EXPECT_EQ(s.stop_reason, kOperatorStop);
    ASSERT_TRUE(s.hearts_ended);
    EXPECT_LT(plant().tank_celsius, c().c(ctl::V, 3).value() / 10.0);
    EXPECT_GT(s.hearts.litres(), 0.85 * s.taken_off.litres());
  }

  // The weather changes: the air's pressure drifts from the start.
  void drift(double hpa_per_hour) { world->plant.faults.pressure_drift_hpa_h = hpa_per_hour; }

  // Once the first take-off is sorted: heads, and no hearts before them.
  void check_heads_first() {
    const RunSummary s = watch->summary();
    if (first_seen || s.taken_off.moles() <= 0) return;
    first_seen = true;
    heads_first = s.heads.moles() > 0 && s.hearts.moles() == 0;
  }
  bool first_seen = false;
  bool heads_first = false;

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
  expect_a_good_run(false);
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
  begin(Takeoff::Liquid, false);
  world->plant.faults.stop_relay_stuck = true;
  run_to_stop();
  ASSERT_TRUE(watch->stopped());
  EXPECT_TRUE(plant().stop_raised);
  EXPECT_TRUE(plant().heater_on);
  const platform::Millis stop = world->now();
  while (plant().heater_on && world->now() < stop + 60000) world->advance_to(world->now() + 100);
  EXPECT_FALSE(plant().heater_on);
  EXPECT_TRUE(plant().watchdog_tripped);
  EXPECT_LE(world->now() - stop, rig.watchdog_ms + 2000);
}

// Falling pressure, liquid take-off: the head sinks under a threshold set
// on a steadier day, so Kolvar finds it "в норме" at every cycle and keeps
// the valve open with the lift raised only as the packing allows; the
// operator sees the head green and low, and spirit weaker than on a steady
// day, until the tails lift the packing.
TEST_F(Story, LiquidTakeoffUnderFallingPressureTakesOffWeakerSpirit) {
  begin(Takeoff::Liquid);
  run_to_stop();
  const double steady_day = watch->summary().hearts.abv();
  begin(Takeoff::Liquid);
  drift(-3);
  const platform::Millis from = world->now();
  double lowest = 100;
  run_to_stop([&] { lowest = std::min(lowest, role(1)); });
  const RunSummary s = watch->summary();
  expect_ended_by_the_tails(s);
  EXPECT_NEAR(plant().pressure_hpa, rig.pressure_hpa - 3 * (world->now() - from) / 3.6e6, 0.01);
  EXPECT_LT(s.hearts.abv(), steady_day - 0.003);
  EXPECT_GT(s.hearts.abv(), 0.90);
  EXPECT_LT(lowest, c().c(ctl::V, 1).value() / 10.0 - 0.15);
}

// Rising pressure, vapour take-off: the head climbs over its threshold, the
// dephlegmator's water stays on, the overheat count runs out and Kolvar
// stops the system with "Перегрев" long before the spirit is taken off.
TEST_F(Story, VapourTakeoffUnderRisingPressureStopsOnOverheat) {
  begin(Takeoff::Vapour);
  drift(3);
  run_to_stop();
  const RunSummary s = watch->summary();
  EXPECT_EQ(s.stop_reason, "Перегрев");
  EXPECT_LT(s.taken_off.litres() * s.taken_off.abv(), 0.5 * rig.charge_litres * rig.charge_abv);
  EXPECT_FALSE(plant().heater_on);
}

// Rising pressure, width-modulated take-off regulated by the head: every
// cycle over the threshold steps the share down, until it is none; the
// column then stands at total reflux and the operator sees the share at
// zero and the head red, with most of the spirit still in the pot.
TEST_F(Story, WidthModulatedTakeoffUnderRisingPressureStepsTheShareToNothing) {
  begin(Takeoff::Pwm);
  drift(2);
  run_to_stop({}, 4);
  const RunSummary s = watch->summary();
  EXPECT_FALSE(s.stopped);
  EXPECT_LT(reading("otb", form::kNoIndex) / 1000, 1);
  EXPECT_GT(role(1), c().c(ctl::V, 1).value() / 10.0);
  EXPECT_GT(plant().charge.abv(), 0.2);
}

// Falling pressure, width-modulated take-off on the tank line: the share
// follows the tank and never looks at the head, so the tails end the run as
// on a steady day, with hearts nearly as strong; only the head, lower than
// its threshold, tells the operator that the day has changed.
TEST_F(Story, TankLineTakeoffIgnoresFallingPressure) {
  begin(Takeoff::PwmTankLine);
  drift(-3);
  double lowest = 100;
  run_to_stop([&] { lowest = std::min(lowest, role(1)); });
  const RunSummary s = watch->summary();
  expect_ended_by_the_tails(s);
  EXPECT_GT(s.hearts.abv(), 0.94);
  EXPECT_LT(lowest, c().c(ctl::V, 1).value() / 10.0 - 0.15);
}

}  // namespace
}  // namespace kolvar::simrun
