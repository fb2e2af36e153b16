// A desktop on the simulated rig, on a steady clock the test sets (nothing
// sleeps): the cycle finds the plant at its moment, catching up never passes
// a timer that is due, the settings' pins reach the plant, the end stops the
// column.
#include "desk/simulated_rig.h"

#include <gtest/gtest.h>

#include "desk/desk_rig.h"
#include "form/names.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "support/temp_folder.h"

namespace kolvar::desk {
namespace {

class SimulatedRigTest : public kolvar::testing::InFreshFolder {
 protected:
  static sim::PlantSettings settled() {
    sim::PlantSettings plant = simrun::simulated_rig({});
    simrun::settle_settings_file(plant);
    return plant;
  }

  form::ScaledMillis::Moment real{std::chrono::hours(1)};
  test_rig::RecordingToolkit toolkit;
  SimulatedRig rig{settled(), true, [this] { return real; }};
  Desktop desktop{rig.wiring(), toolkit.lend()};
};

TEST_F(SimulatedRigTest, TheCycleFindsThePlantAtItsMomentAndCatchingUpWaitsForIt) {
  rig.bind(desktop);
  desktop.start();
  form::Controller& c = desktop.controller();
  desktop.act([&] { c.click(c.c(ctl::Start_sys_button)); });
  const form::Control& cycle = c.c(ctl::Timer1);
  ASSERT_TRUE(cycle.on());
  ASSERT_EQ(cycle.due(), 2000);

  real += std::chrono::seconds(3);  // the loop is late
  rig.catch_up();
  // Not past the first timer due: its handler must find the plant at its moment.
  EXPECT_EQ(rig.plant().now(), desktop.driver().next_due());
  desktop.driver().run_due();
  // The cycle read the line the logger wrote at its moment: 09:00:02.
  EXPECT_EQ(c.c(ctl::time_log2).text(), "09:00:02");
  EXPECT_EQ(cycle.due(), 4000);
  rig.catch_up();
  EXPECT_EQ(rig.plant().now(), 3000);
  // The pins the settings file ticked reach the plant: the column runs.
  EXPECT_FALSE(rig.plant().status().stop_raised);
  EXPECT_TRUE(rig.plant().status().heater_on);
  // The plant is the launcher of the logger's program.
  EXPECT_TRUE(toolkit.launcher.events.empty());
  desktop.end();
  EXPECT_TRUE(rig.plant().status().stop_raised);
}

TEST_F(SimulatedRigTest, TheModelsClockRunsAtTheChosenSpeed) {
  rig.bind(desktop);
  const platform::Millis before = desktop.clock().now();
  rig.clock().set_speed(10);
  real += std::chrono::seconds(2);
  EXPECT_EQ(desktop.clock().now() - before, 20000);
}

}  // namespace
}  // namespace kolvar::desk
