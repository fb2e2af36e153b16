// The column's state as numbers: a role's text read as the decisions and the
// plot take it, the state a fresh window starts from, the values shown in
// tags.
#include "form/column_state.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/failure.h"
#include "ui/headless.h"

namespace kolvar::form {
namespace {

// A logger's field is a plain decimal, with a point or a comma; anything
// else is no reading, to the decisions and to the plot alike.
TEST(RoleReading, APlainDecimalIsAReadingAndNothingElseIs) {
  struct Case {
    const char* text;
    std::optional<double> degrees;
  } cases[] = {
      {"88.3", 88.3},
      {"-10.062", -10.062},
      {"+20", 20},
      {" 78.9 ", 78.9},
      // A logger in a comma locale: the comma is its decimal point.
      {"78,9", 78.9},
      {"96,9", 96.9},
      {"78.", 78},
      {"", std::nullopt},
      {"CRC ERROR", std::nullopt},
      {"1e3", std::nullopt},
      {"7.89e1", std::nullopt},
      {"78.9C", std::nullopt},
      {"78,9,1", std::nullopt},
      {"1.234,5", std::nullopt},
      {"-", std::nullopt},
      {",", std::nullopt},
      {"55", 55},
  };
  for (const Case& k : cases) {
    const RoleReading r = RoleReading::of_text(k.text);
    EXPECT_EQ(r.text, k.text);
    EXPECT_EQ(r.degrees, k.degrees) << k.text;
    EXPECT_DOUBLE_EQ(r.value, k.degrees.value_or(0)) << k.text;
    EXPECT_EQ(r.unreadable(), !k.degrees || *k.degrees == 0) << k.text;
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

// Each value lives in its control: a tag or caption written from outside
// (a script's `set NAME.tag`, the operator) is what every reader sees.
TEST(ColumnState, AValueWrittenIntoItsControlIsTheValue) {
  ui::Headless rig;
  Controller& c = rig.controller;
  c.set_minute_count(3);
  c.set_restart_mark(true);
  c.c(ctl::Timer3).set_tag("2");
  c.c(ctl::Ch_log).set_tag("0");
  c.c(ctl::V, 1).set_tag("1");
  c.c(ctl::News).set_tag("Перегрев");
  EXPECT_EQ(c.minute_count(), 2);
  EXPECT_FALSE(c.restart_mark());
  EXPECT_TRUE(c.settings_loaded());
  EXPECT_EQ(c.stop_reason(), "Перегрев");
  // A tag is read by the rule for numbers in text: any value but 0 is set.
  c.c(ctl::Ch_log).set_tag(" 1");
  EXPECT_TRUE(c.restart_mark());
  c.c(ctl::V, 1).set_tag("");
  EXPECT_FALSE(c.settings_loaded());
  // A minute count that holds no whole number fails the step that reads it.
  c.c(ctl::Timer3).set_tag("two");
  EXPECT_THROW((void)c.minute_count(), Failure);

  c.c(ctl::T, 3).set_text("96,9");
  EXPECT_DOUBLE_EQ(c.column.role(3).value, 96.9);
  c.c(ctl::T, 3).set_text("-127.00");
  EXPECT_TRUE(c.column.role(3).unreadable());
  c.c(ctl::time_log2).set_text("12:00:09");
  EXPECT_EQ(c.column.time_stamp(), "12:00:09");
}

// The codes a sensor's bus gives for a sensor that is not there are no
// readings; a high value always is one.
TEST(RoleReading, AValueNoSensorShowsIsUnreadable) {
  for (const char* text : {"", "0", "0.0", "CRC ERROR", "-127", "-127.00", "-127,0", "-30.1"}) {
    EXPECT_TRUE(RoleReading::of_text(text).unreadable()) << text;
  }
  for (const char* text : {"-30", "-10.062", "0.1", "78.9", "85.000", "127.94", "180"}) {
    EXPECT_FALSE(RoleReading::of_text(text).unreadable()) << text;
  }
  // The plot leaves a gap for a missing sensor, not a spike to -127.
  EXPECT_EQ(RoleReading::of_text("-127").degrees, std::nullopt);
  EXPECT_EQ(RoleReading::of_text("-127,0").degrees, std::nullopt);
  EXPECT_EQ(RoleReading::of_text("-29.5").degrees, -29.5);
}

}  // namespace
}  // namespace kolvar::form
