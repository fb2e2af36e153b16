// A column already distilling when the window opens.
#include "simrun/preheat.h"

#include <gtest/gtest.h>

#include "simrun/rig.h"
#include "support/temp_folder.h"

namespace kolvar::simrun {
namespace {

using Preheat = kolvar::testing::InFreshFolder;

TEST_F(Preheat, BoilsAtTotalRefluxWithTheCoilCooledOrGivesUpWithoutHeat) {
  sim::Plant plant(simulated_rig({}));
  ASSERT_TRUE(bring_to_boil(plant));
  const sim::PlantStatus s = plant.status();
  EXPECT_TRUE(s.heater_on);
  EXPECT_FALSE(s.valve_open);
  // A little under the azeotrope's 78.17 °C: the heads gather at the top.
  EXPECT_NEAR(s.dephlegmator_celsius, 78.05, 0.1);
  EXPECT_LT(s.cooler_celsius, 25);  // below where the controller opens the coil
  EXPECT_EQ(s.taken_off.moles(), 0);
  // Heating 30 L takes about an hour; settling adds minutes, not hours.
  EXPECT_GT(plant.now(), 40 * 60 * 1000);
  EXPECT_LT(plant.now(), 2 * 3600 * 1000);
  EXPECT_EQ(s.log_lines, plant.now() / 1000);

  sim::Plant unheated(simulated_rig({30, 40, 0, 1}));
  const TotalReflux cold = settle_at_total_reflux(unheated, 3600 * 1000);
  EXPECT_FALSE(cold.boiling);
  EXPECT_FALSE(cold.boiling_at);
  EXPECT_EQ(unheated.now(), 3600 * 1000);
}

TEST_F(Preheat, TellsWhenTheChargeBoiledAndWhereTheHeadSettled) {
  sim::Plant plant(simulated_rig({}));
  const TotalReflux seen = settle_at_total_reflux(plant);
  ASSERT_TRUE(seen.boiling);
  ASSERT_TRUE(seen.boiling_at);
  EXPECT_GT(*seen.boiling_at, 65 * 60 * 1000);
  EXPECT_LT(*seen.boiling_at, 80 * 60 * 1000);
  EXPECT_LT(*seen.boiling_at, plant.now());
  EXPECT_EQ(seen.head_celsius, plant.status().dephlegmator_celsius);
}

}  // namespace
}  // namespace kolvar::simrun
