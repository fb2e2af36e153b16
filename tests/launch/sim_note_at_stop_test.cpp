// The window on a simulated column fills each run's note at its stop from
// what the plant knows, leaving what the operator typed as it was typed.
#include "launch/sim_note_at_stop.h"

#include <gtest/gtest.h>

#include "form/names.h"
#include "journal/run_list.h"
#include "platform/time/wall_clock.h"
#include "simrun/preheat.h"
#include "simrun/sim_settings_file.h"
#include "simrun/sim_world.h"
#include "support/temp_folder.h"

namespace kolvar::launch {
namespace {

class SimNote : public kolvar::testing::InFreshFolder {
 protected:
  SimNote() { simrun::settle_settings_file(plant_settings); }

  const simrun::Charge charge{3, 40, 1500, 1};
  sim::PlantSettings plant_settings = simrun::simulated_rig(charge);
};

TEST_F(SimNote, FillsWhatTheNoteLeavesEmptyAtEachStopAndKeepsWhatWasTyped) {
  simrun::SimWorld world(plant_settings);
  const platform::FollowingWallClock wall(world.clock, platform::LocalTime{});
  record::RunRecord record(world.controller, wall, {.durable = false});
  std::vector<std::string> told;
  journal::NoteBook notes(record.folder(), [&told](const std::string& m) { told.push_back(m); });
  auto filler = sim_notes(world.controller, world.plant, charge)(record, notes);
  form::Controller& c = world.controller;

  simrun::settle_at_total_reflux(world.plant);
  world.advance_to(world.plant.now());
  c.start();
  c.click(c.c(ctl::Start_sys_button));
  const auto first = journal::note_path(record.file());
  // The operator's power and words; the hearts left empty.
  journal::RunNote typed = journal::parse_note("power: 1800 W\nhearts:\n\nСвой текст.\n");
  ASSERT_FALSE(journal::write_note(first, typed));
  world.advance_to(world.now() + 20 * 60 * 1000);
  EXPECT_EQ(journal::read_note(first)->fields, typed.fields);
  c.click(c.c(ctl::Stop_sys_button));

  const journal::RunNote filled = *journal::read_note(first);
  EXPECT_EQ(filled.value(journal::note_key::kPower), "1800 W");
  EXPECT_EQ(filled.value(journal::note_key::kCharge), "3.00 L");
  EXPECT_EQ(filled.value(journal::note_key::kChargeStrength), "40.0 %vol");
  const auto hearts = filled.value(journal::note_key::kHearts);
  ASSERT_TRUE(hearts);
  EXPECT_TRUE(hearts->ends_with(" L")) << *hearts;
  EXPECT_TRUE(filled.value(journal::note_key::kHeads));
  EXPECT_TRUE(filled.value(journal::note_key::kPressure));
  EXPECT_EQ(filled.text, "Свой текст.\n");

  // The next run gets a note of its own, the plant's power in it.
  world.advance_to(world.now() + 2000);
  c.click(c.c(ctl::Start_sys_button));
  const auto second = journal::note_path(record.file());
  ASSERT_NE(second, first);
  world.advance_to(world.now() + 60 * 1000);
  c.click(c.c(ctl::Stop_sys_button));
  EXPECT_EQ(journal::read_note(second)->value(journal::note_key::kPower), "1500 W");
  EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace kolvar::launch
