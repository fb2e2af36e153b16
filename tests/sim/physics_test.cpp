// The plant's physics against numbers worked out independently: published
// boiling points, the heat to warm a charge, and the balances of a whole run.
#include <gtest/gtest.h>

#include "plant_rig.h"
#include "sim/vle.h"

namespace kolvar::sim {
namespace {

TEST(Equilibrium, BoilingPointsAtPublishedCompositions) {
  struct Case {
    double x, celsius;
  };
  for (const Case c : {Case{0.0, 100.0}, Case{0.10, 86.4}, Case{0.33, 81.5}, Case{0.894, 78.15},
                       Case{1.0, 78.37}}) {
    EXPECT_NEAR(vle::boiling_celsius(c.x), c.celsius, 0.3) << "x = " << c.x;
  }
  EXPECT_NEAR(vle::vapour_fraction(vle::kAzeotrope), vle::kAzeotrope, 1e-12);
}

using Physics = PlantRig;

TEST_F(Physics, WarmingToTheBoilTakesMassTimesHeatCapacityTimesRiseOverPower) {
  struct Case {
    double litres, abv, watts;
  };
  for (const Case c : {Case{30, 0.40, 2000}, Case{10, 0.10, 3000}, Case{20, 0.0, 1000}}) {
    settings.charge_litres = c.litres;
    settings.charge_abv = c.abv;
    settings.heater_watts = c.watts;
    settings.loss_w_per_k = 0;
    make();
    const double boils_at = vle::boiling_celsius(plant->status().charge.fraction());
    // kg of each by density, kJ/(kg K) of each.
    const double heat_per_k =
        c.litres * c.abv * 0.7893 * 2.44 + c.litres * (1 - c.abv) * 0.9982 * 4.18;
    const double expected = heat_per_k * 1000 * (boils_at - settings.start_celsius) / c.watts;
    run_to_boil();
    EXPECT_NEAR(plant->now() / 1000.0, expected, 0.05 * expected) << c.litres << " L " << c.abv;
  }
}

// A whole day's work: warm-up, an hour at total reflux, then the valve open
// until the charge is spent.
TEST_F(Physics, AWholeRunKeepsItsBalancesAndNeverPassesTheAzeotrope) {
  make();
  const Amount charge = amount_of_volume(settings.charge_litres, settings.charge_abv);
  plant->write(kClose);
  for (int s = 1; s <= 8 * 3600; ++s) {
    if (s == 2 * 3600) plant->write(kOpen);
    run_seconds(1);
    ASSERT_LE(plant->status().head_fraction, vle::kAzeotrope + 1e-12) << s;
  }
  const PlantStatus end = plant->status();
  ASSERT_GT(end.taken_off.litres(), 10);  // the run did take off most of the spirit

  EXPECT_NEAR(end.charge.ethanol + end.holdup.ethanol + end.taken_off.ethanol, charge.ethanol,
              1e-3 * charge.ethanol);
  EXPECT_NEAR(end.charge.water + end.holdup.water + end.taken_off.water, charge.water,
              1e-3 * charge.water);
  const Energy& e = end.energy;
  EXPECT_NEAR(e.heater, e.lost + e.sensible + e.boil_up, 1e-3 * e.heater);
  EXPECT_NEAR(e.boil_up, end.dephlegmator_joules + end.passed_on_joules, 1e-3 * e.boil_up);
  // About eight hours at 2 kW, and most of it spent boiling.
  EXPECT_NEAR(e.heater, 8 * 3600 * 2000.0, 1);
  EXPECT_GT(e.boil_up, 0.6 * e.heater);
}

// The controller advances the plant at each of its timer events, at uneven
// times; the run must not depend on that beyond the integration's accuracy.
TEST_F(Physics, UnevenAdvancesGiveNearlyTheSameRun) {
  make();
  PlantSettings other = settings;
  other.logger.log_path = folder.file("other.log").string();
  Plant uneven(other);
  const platform::Millis open_at = 3650'000;
  for (platform::Millis t = 0; t <= 4 * 3600'000LL; t += 1000) {
    plant->advance_to(t);
    if (t == open_at) plant->write(kOpen);
  }
  for (platform::Millis t = 2730; t < plant->now(); t += 2730) {
    if (uneven.now() < open_at && t >= open_at) {
      uneven.advance_to(open_at);
      uneven.write(kOpen);
    }
    uneven.advance_to(t);
  }
  uneven.advance_to(plant->now());
  const PlantStatus a = plant->status();
  const PlantStatus b = uneven.status();
  ASSERT_GT(a.taken_off.litres(), 1);
  EXPECT_NEAR(a.taken_off.ethanol, b.taken_off.ethanol, 1e-3 * a.taken_off.ethanol);
  EXPECT_NEAR(a.tank_celsius, b.tank_celsius, 0.05);
  EXPECT_NEAR(a.packing_celsius, b.packing_celsius, 0.05);
}

}  // namespace
}  // namespace kolvar::sim
