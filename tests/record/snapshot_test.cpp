// What a sample takes from the controller: the role temperatures as the
// cycle read them, text and number, and the take-off type.
#include "record/snapshot.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "core/role_temperatures.h"
#include "ui/headless.h"

namespace kolvar::record {
namespace {

TEST(Snapshot, TakesTheReadingsOfTheRolesThatTakePart) {
  ui::Headless rig;
  form::Controller& c = rig.controller;
  for (int r = 1; r <= 4; ++r) c.c(ctl::T, r).set_enabled(true);
  // The window's first captions are no readings: nothing is known yet.
  const Sample before = take_sample(c);
  EXPECT_EQ(before.temperatures, (std::array<std::string, 4>{}));
  EXPECT_EQ(before.degrees, (std::array<std::optional<double>, 4>{}));
  EXPECT_EQ(before.read_error, (std::array<bool, 4>{}));

  c.column.mark_read();
  core::set_role_reading(c, 1, "88.3");
  core::set_role_reading(c, 2, "77,5");  // a logger in a comma locale
  core::set_role_reading(c, 3, "");
  core::set_role_reading(c, 4, "88");  // shows its threshold: no reading
  c.c(ctl::T, 4).set_enabled(false);

  Sample s = take_sample(c);
  EXPECT_EQ(s.temperatures, (std::array<std::string, 4>{"88.3", "77,5", "", ""}));
  EXPECT_EQ(s.degrees,
            (std::array<std::optional<double>, 4>{88.3, 77.5, std::nullopt, std::nullopt}));
  EXPECT_EQ(s.read_error, (std::array<bool, 4>{false, false, true, false}));

  // A sensor off its bus and a zero are read errors: kept as text, no degrees.
  core::set_role_reading(c, 1, "-127.00");
  core::set_role_reading(c, 2, "0");
  core::set_role_reading(c, 3, "85.00");  // the power-on value is a temperature here
  s = take_sample(c);
  EXPECT_EQ(s.temperatures, (std::array<std::string, 4>{"-127.00", "0", "85.00", ""}));
  EXPECT_EQ(s.read_error, (std::array<bool, 4>{true, true, false, false}));
  EXPECT_EQ(s.degrees,
            (std::array<std::optional<double>, 4>{std::nullopt, std::nullopt, 85.0, std::nullopt}));
}

TEST(Snapshot, NamesTheTakeoffTypeAsTheControllerDecidesIt) {
  ui::Headless rig;
  form::Controller& c = rig.controller;
  EXPECT_EQ(take_sample(c).takeoff, Takeoff::Liquid);  // ticked from the start
  c.c(ctl::liquid).set_checked(false);
  EXPECT_EQ(take_sample(c).takeoff, Takeoff::None);
  c.c(ctl::SHIM).set_checked(true);
  EXPECT_EQ(take_sample(c).takeoff, Takeoff::Pwm);
}

}  // namespace
}  // namespace kolvar::record
