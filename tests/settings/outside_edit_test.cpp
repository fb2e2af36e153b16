// The cycle's check of the settings file for an outside edit.
#include "settings/outside_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/save.h"
#include "settings_rig.h"

namespace kolvar::settings {
namespace {

using testing::initial_file_lines;
using testing::SettingsRig;

const std::string kEdited =
    "Файл настроек изменен из внешнего источника.\r\nИспользуются измененные настройки.";

class OutsideEdit : public ::testing::Test {
 protected:
  OutsideEdit() {
    rig.c().start();
    rig.c().c(ctl::News).set_text("before");
  }
  void edit(const std::string& flag, int line, const std::string& text) {
    std::vector<std::string> lines = initial_file_lines();
    lines[0] = flag;
    lines[line - 1] = text;
    rig.write_lines(lines);
  }
  form::Controller& c() { return rig.c(); }

  SettingsRig rig;
};

TEST_F(OutsideEdit, AFlaggedFileIsAppliedOnEveryCheckUntilASave) {
  edit("1", 100, " 950 ");
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::hot).value(), 950);
  EXPECT_EQ(c().c(ctl::News).text(), kEdited);
  c().c(ctl::News).set_text("between");
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::News).text(), kEdited);

  OK_Click(c());
  EXPECT_TRUE(rig.bytes().starts_with(" 0 \r\n"));
  EXPECT_NE(rig.bytes().find("\r\n 950 \r\n"), std::string::npos);
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::News).text(), "Файл настроек сохранен");
}

TEST_F(OutsideEdit, NothingHappensWithoutANonZeroNumberInLineOne) {
  for (const char* flag : {" 0 ", "0", "x", "", "1.5", "99999"}) {
    edit(flag, 100, " 950 ");
    check_outside_edit(c());
    EXPECT_EQ(c().c(ctl::hot).value(), 990) << flag;
    EXPECT_EQ(c().c(ctl::News).text(), "before") << flag;
  }
  std::filesystem::remove(rig.file());
  check_outside_edit(c());
  std::filesystem::create_directory(rig.file());
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::News).text(), "before");
}

TEST_F(OutsideEdit, AChangedPeriodTakesEffectAndTheCycleKeepsRunning) {
  c().c(ctl::Timer1).set_on(true);
  edit(" -2 ", 74, " 10 ");
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::Timer1).interval(), 10000);
  EXPECT_TRUE(c().c(ctl::Timer1).on());
}

TEST_F(OutsideEdit, ReactionsActAndTheirSavesLeaveTheFileAlone) {
  std::vector<std::string> loaded_during_reaction;
  c().on_change(ctl::V, [&](form::Controller& c, int index) {
    loaded_during_reaction.push_back(c.c(ctl::V, 1).tag());
    c.c(ctl::T2, index).set_text(std::to_string(c.c(ctl::V, index).value() / 10));
    OK_Click(c);
  });
  edit("1", 68, " 600 ");
  const std::string edited = rig.bytes();
  check_outside_edit(c());
  EXPECT_EQ(loaded_during_reaction, std::vector<std::string>{"1"});
  EXPECT_EQ(c().c(ctl::T2, 1).text(), "60");
  EXPECT_EQ(rig.bytes(), edited);
  EXPECT_EQ(c().c(ctl::News).text(), kEdited);
}

TEST_F(OutsideEdit, AShortEditedFileAppliesWhatItHolds) {
  std::vector<std::string> lines = initial_file_lines();
  lines[0] = "1";
  lines[97] = "1234";  // step_up
  lines.resize(99);
  rig.write_lines(lines);
  c().c(ctl::hot).set_value(500);
  check_outside_edit(c());
  EXPECT_EQ(c().c(ctl::step_up).text(), "1234");
  EXPECT_EQ(c().c(ctl::hot).value(), 500);
  EXPECT_EQ(c().c(ctl::News).text(), kEdited);
}

}  // namespace
}  // namespace kolvar::settings
