// From the logger's last line to the role temperatures, the time stamp, the
// stale count and the colours of the control temperatures.
#include "core/role_temperatures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/temperature_colours.h"
#include "cycle_rig.h"

namespace kolvar::core {
namespace {

using testing::CycleRig;
using testing::log_line;

TEST(Acquisition, EachRoleReadsTheFirstTickedOfColumnsOneToFourElseFive) {
  const struct {
    std::vector<int> ticked;
    const char* shown;
  } cases[] = {
      {{1}, "11.1"}, {{2}, "22.2"}, {{3}, "33.3"},    {{4}, "44.4"},
      {{5}, "55.5"}, {{}, "55.5"},  {{2, 1}, "11.1"}, {{5, 4, 3}, "33.3"},
  };
  const struct {
    const char* menu;
    int role;
  } roles[] = {{"da", 1}, {"na", 2}, {"kub", 3}, {"kul", 4}};
  for (const auto& role : roles) {
    for (const auto& k : cases) {
      CycleRig r;
      r.tick(role.menu, {1, 2, 3, 4, 5}, false);
      r.tick(role.menu, k.ticked);
      r.log("12:00:01", {"11.1", "22.2", "33.3", "44.4", "55.5"});
      r.cycle();
      EXPECT_EQ(r.text("T", role.role), k.shown)
          << role.menu << " ticked " << ::testing::PrintToString(k.ticked);
    }
  }
}

TEST(Acquisition, FieldsAreTakenByPositionAndTrimmed) {
  CycleRig r;
  r.sensor("da", 2);
  // Each separator holds a letter that must not leak into a field.
  const std::string line = std::string("12:00:01") + "X" + "  1.0    " + "Y" + "  88.25  " + "Z" +
                           "  3      " + "W" + " 4       " + "V" + "5        " + "U tail";
  r.log(line);
  r.cycle();
  EXPECT_EQ(r.text("T", 1), "88.25");
  EXPECT_EQ(r.text("T", 2), "88.25");  // na(2) ticked from the start
  EXPECT_EQ(r.text("T", 4), "5");      // kul has nothing ticked: column 5
  EXPECT_EQ(r.text("time_log2"), "12:00:01");
}

TEST(Acquisition, AShortLineLeavesColumnFiveEmptyAndSendsTheSectionsIntoReadError) {
  CycleRig r;
  r.mode("liquid", "Auto");
  r.log(log_line("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"}).substr(0, 49));
  r.cycle();
  EXPECT_EQ(r.text("T", 3), "");  // the tank reads column 5
  EXPECT_EQ(r.text("time_error"), "1");
  EXPECT_EQ(r.news(), "Ошибка чтения температуры\r\nКлапан закрыт");
}

TEST(Acquisition, ADisabledRowShowsItsThresholdAndTakesNoPartInTheZeroChecks) {
  CycleRig r;
  r.enable(3, false);
  r.set("T2", "88", 3);
  r.enable(1, false);
  r.set("T2", "88", 1);
  r.log("12:00:01", {"", "70.0", "0", "", "20.0"});
  r.cycle();
  EXPECT_EQ(r.text("T", 1), "88");
  EXPECT_EQ(r.text("T", 3), "88");
  EXPECT_EQ(r.text("time_error"), "0");
  EXPECT_EQ(r.c.c(ctl::T, 1).back_color(), kNormalBack);  // equal to its threshold
}

// The one step that turns the line's texts into numbers: the state holds
// what each label shows, read as every decision and the plot will take it.
TEST(Acquisition, TheColumnStateHoldsEachRolesTextAndNumbersAndTheLabelsShowThem) {
  CycleRig r;
  r.sensor("da", 1);
  r.sensor("na", 2);
  r.sensor("kub", 3);
  r.enable(4, false);
  r.set("T2", "88,5", 4);  // a threshold caption in a comma locale
  r.log("12:00:07", {"88.3", "", "CRC ERROR", "20.0", "20.0"});
  r.cycle();
  const struct {
    int role;
    const char* text;
    double value;
    std::optional<double> degrees;
  } cases[] = {
      {1, "88.3", 88.3, 88.3},
      {2, "", 0, std::nullopt},
      {3, "CRC ERROR", 0, std::nullopt},
      {4, "88,5", 88.5, 88.5},  // a comma is a decimal point, so a row shows its threshold
  };
  for (const auto& k : cases) {
    const form::RoleReading& reading = r.c.column.role(k.role);
    EXPECT_EQ(reading.text, k.text) << k.role;
    EXPECT_DOUBLE_EQ(reading.value, k.value) << k.role;
    EXPECT_EQ(reading.degrees, k.degrees) << k.role;
    EXPECT_EQ(r.text("T", k.role), k.text) << k.role;
  }
  EXPECT_EQ(r.c.column.time_stamp(), "12:00:07");
  EXPECT_EQ(r.text("time_log2"), "12:00:07");
}

TEST(Acquisition, ASameTimeStampIsStaleEvenWhenTheReadingsChanged) {
  CycleRig r;
  r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.cycle();
  EXPECT_EQ(r.text("time_error"), "0");
  EXPECT_EQ(r.text("time_log1"), "12:00:01");
  r.log("12:00:01", {"81.0", "71.0", "51.0", "21.0", "21.0"});
  r.cycle();
  EXPECT_EQ(r.text("time_error"), "1");
  EXPECT_EQ(r.text("T", 1), "81.0");
}

TEST(Acquisition, AFreshLineResetsTheCountAndTheRestartMark) {
  CycleRig r;
  r.set("time_error", "2");
  r.c.set_restart_mark(true);
  r.fresh({"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.cycle();
  EXPECT_EQ(r.text("time_error"), "0");
  EXPECT_FALSE(r.c.restart_mark());
  EXPECT_EQ(r.c.c(ctl::Ch_log).tag(), "0");
}

TEST(Acquisition, AZeroReadingIsStaleWithAFreshStamp) {
  CycleRig r;
  r.fresh({"80.0", "0.0", "50.0", "20.0", "20.0"});
  r.cycle();
  EXPECT_EQ(r.text("time_error"), "1");
}

TEST(Acquisition, ControlTemperaturesAreGreenAtTheirThresholdAndPinkAbove) {
  const struct {
    int v1;
    const char* reading;
    bool over;
  } cases[] = {
      {880, "88.0", false}, {880, "88", false},   {880, "88.1", true},
      {880, "87.9", false}, {200, "20.0", false}, {1000, "100.1", true},
      {995, "99.5", false}, {995, "99.6", true},  {880, "x", false},
  };
  for (const auto& k : cases) {
    CycleRig r;
    r.c.c(ctl::V, 1).set_value(k.v1);
    r.c.c(ctl::V, 2).set_value(k.v1);
    r.fresh({k.reading, k.reading, "50.0", "20.0", "20.0"});
    r.cycle();
    for (int role : {1, 2}) {
      const form::Control& t = r.c.c(ctl::T, role);
      EXPECT_EQ(t.back_color(), k.over ? kOverBack : kNormalBack) << k.reading << " " << k.v1;
      EXPECT_EQ(t.fore_color(), k.over ? kOverText : kNormalText) << k.reading << " " << k.v1;
    }
  }
}

}  // namespace
}  // namespace kolvar::core
