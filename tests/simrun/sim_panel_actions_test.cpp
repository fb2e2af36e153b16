// What the simulator window's choices do, whichever toolkit shows them: each
// brings the plant to the model's present before it acts, so that nothing
// reaches back into time already shown, and a speed tells the waiting loop.
#include "simrun/sim_panel_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simrun/rig.h"

namespace kolvar::simrun {
namespace {

struct Panel {
  // Each catch-up and rate change in turn, with the faults and pressure the
  // plant had at a catch-up.
  std::vector<std::string> told;
  sim::Plant plant{simulated_rig({})};
  form::ScaledMillis clock;
  SimPanelActions actions{SimLinks{
      plant, clock,
      [this] {
        told.push_back("caught up" + std::string(plant.faults.water_failed ? ", water off" : "") +
                       (plant.settings().pressure_hpa == 990 ? ", 990" : ""));
      },
      [this] { told.push_back("rate " + std::to_string(clock.speed())); }}};
};

std::size_t fault_named(const char* name) {
  for (std::size_t k = 0; k < kFaultSwitches.size(); ++k)
    if (std::string(kFaultSwitches[k].name) == name) return k;
  return kFaultSwitches.size();
}

TEST(SimPanelActions, EachChoiceActsFromTheModelsPresent) {
  Panel p;
  const std::size_t water = fault_named("fault_water");
  ASSERT_LT(water, kFaultSwitches.size());
  p.actions.set_fault(water, true);
  EXPECT_TRUE(p.actions.fault_on(water));
  p.actions.set_pressure(990);
  EXPECT_EQ(p.actions.pressure_text(), pressure_setting_text(990));
  p.actions.set_sensor_fault(2, 1, true);
  EXPECT_TRUE(p.actions.sensor_fault_on(2));
  EXPECT_FALSE(p.actions.sensor_fault_on(1));
  EXPECT_EQ(p.told, (std::vector<std::string>{"caught up", "caught up, water off",
                                              "caught up, water off, 990"}));
  // A switch past the list is no choice: nothing is caught up or changed.
  const sim::Faults before = p.plant.faults;
  p.actions.set_fault(kFaultSwitches.size(), true);
  EXPECT_FALSE(p.actions.fault_on(kFaultSwitches.size()));
  EXPECT_EQ(p.told.size(), 3u);
  EXPECT_EQ(p.plant.faults.sensors, before.sensors);
}

TEST(SimPanelActions, ANewSpeedCatchesUpAtTheOldRateThenTellsTheLoop) {
  Panel p;
  EXPECT_FALSE(p.actions.set_speed(1)) << "the speed it runs at already";
  EXPECT_TRUE(p.told.empty());
  EXPECT_TRUE(p.actions.set_speed(60));
  EXPECT_EQ(p.actions.speed(), 60);
  EXPECT_EQ(p.told, (std::vector<std::string>{"caught up", "rate 60"}));
}

}  // namespace
}  // namespace kolvar::simrun
