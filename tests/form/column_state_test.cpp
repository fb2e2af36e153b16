// The column's state as numbers: a role's text read as the decisions and the
// plot take it, the state a fresh window starts from, the values shown in
// tags.
#include "form/column_state.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/headless.h"

namespace kolvar::form {
namespace {

TEST(RoleReading, ANumberAsTheDecisionsAndAsThePlotTakeIt) {
  struct Case {
    const char* text;
    double value;
    std::optional<double> degrees;
  } cases[] = {
      {"88.3", 88.3, 88.3},
      {"-10.062", -10.062, -10.062},
      // A blank field is a read error to the decisions and no point to the plot.
      {"", 0, std::nullopt},
      // A threshold caption in a comma locale: its whole degrees decide, as
      // they always did; the plot keeps the tenths.
      {"88,5", 88, 88.5},
      {"CRC ERROR", 0, 0},
      {"55", 55, 55},
  };
  for (const Case& k : cases) {
    const RoleReading r = RoleReading::of_text(k.text);
    EXPECT_EQ(r.text, k.text);
    EXPECT_DOUBLE_EQ(r.value, k.value) << k.text;
    EXPECT_EQ(r.degrees, k.degrees) << k.text;
  }
}

// The state and the controls that show it start out agreeing, so a step that
// reads the state before the first line (the log missing from the start)
// decides as on the captions.
TEST(ColumnState, AFreshWindowShowsWhatTheStateHolds) {
  ui::Headless rig;
  const Controller& c = rig.controller;
  for (int r = 1; r <= kRoleCount; ++r) {
    EXPECT_EQ(c.column.role(r), RoleReading::of_text(c.c(ctl::T, r).text())) << r;
  }
  EXPECT_EQ(c.column.time_stamp(), c.c(ctl::time_log2).text());
  EXPECT_EQ(c.stop_reason(), c.c(ctl::News).tag());
  EXPECT_EQ(c.restart_mark() ? "1" : "0", c.c(ctl::Ch_log).tag());
  EXPECT_EQ(std::to_string(c.minute_count()), c.c(ctl::Timer3).tag());
  EXPECT_FALSE(c.settings_loaded());
}

TEST(ColumnState, EachSetterShowsItsValueInItsTagAsBefore) {
  ui::Headless rig;
  Controller& c = rig.controller;
  c.set_stop_reason("Достигнут предел температуры бака");
  c.set_restart_mark(true);
  c.set_minute_count(12);
  c.set_settings_loaded(true);
  EXPECT_EQ(c.stop_reason(), "Достигнут предел температуры бака");
  EXPECT_TRUE(c.restart_mark());
  EXPECT_EQ(c.minute_count(), 12);
  EXPECT_TRUE(c.settings_loaded());
  EXPECT_EQ(c.c(ctl::News).tag(), "Достигнут предел температуры бака");
  EXPECT_EQ(c.c(ctl::Ch_log).tag(), "1");
  EXPECT_EQ(c.c(ctl::Timer3).tag(), "12");
  EXPECT_EQ(c.c(ctl::V, 1).tag(), "1");

  c.set_restart_mark(false);
  c.set_minute_count(0);
  c.set_settings_loaded(false);
  EXPECT_EQ(c.c(ctl::Ch_log).tag(), "0");
  EXPECT_EQ(c.c(ctl::Timer3).tag(), "0");
  EXPECT_EQ(c.c(ctl::V, 1).tag(), "0");
}

// The tags only show the values: an outside change of one is no decision.
TEST(ColumnState, ATagChangedFromOutsideChangesNoValue) {
  ui::Headless rig;
  Controller& c = rig.controller;
  c.set_minute_count(3);
  c.set_restart_mark(true);
  c.c(ctl::Timer3).set_tag("two");
  c.c(ctl::Ch_log).set_tag("0");
  EXPECT_EQ(c.minute_count(), 3);
  EXPECT_TRUE(c.restart_mark());
}

}  // namespace
}  // namespace kolvar::form
