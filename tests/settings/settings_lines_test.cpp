// The 114 lines of the settings file against the controls of the window.
#include "settings/settings_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/setting_table.h"
#include "platform/files/settings_file.h"
#include "settings/save.h"
#include "settings_rig.h"
#include "ui/headless.h"

namespace kolvar::settings {
namespace {

using testing::SettingsRig;

TEST(SettingLines, EachLineHoldsOneControlOfItsKindAndEachSettingOneLine) {
  const auto& lines = setting_lines();
  ASSERT_EQ(lines.size(), platform::SettingsFile::kLineCount);
  EXPECT_EQ(lines[0].form, LineForm::Flag);
  EXPECT_FALSE(lines[0].control);

  ui::Headless rig;
  std::set<std::string> in_lines;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    SCOPED_TRACE("line " + std::to_string(k + 1));
    ASSERT_TRUE(lines[k].control);
    const form::Control* control =
        rig.controller.form.find(lines[k].control->text(), lines[k].index);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(in_lines.insert(control->full_name()).second) << "a second line";
    EXPECT_EQ(lines[k].form, line_form(control->kind()));
  }
  std::set<std::string> declared;
  for (const form::Setting& s : form::kSettings)
    for (int k = 0; k < s.count; ++k)
      declared.insert(rig.controller.form.get(s.control.text(), s.index_at(k)).full_name());
  EXPECT_EQ(in_lines, declared);
}

// Lines whose place older files and outside editors rely on.
TEST(SettingLines, KnownLinesKeepTheirPlaces) {
  struct Known {
    int line;
    form::Name control;
    int index;
  };
  const Known known[] = {
      {2, ctl::LogPath, 1},
      {3, ctl::Path, form::kNoIndex},
      {6, ctl::opstop, 3},
      {7, ctl::ps, 1},
      {62, ctl::puls, 8},
      {63, ctl::T2, 1},
      {68, ctl::V, 1},
      {73, ctl::Inter, form::kNoIndex},
      {74, ctl::Interval, form::kNoIndex},
      {75, ctl::da, 1},
      {94, ctl::kul, 5},
      {100, ctl::hot, form::kNoIndex},
      {109, ctl::dopusk, form::kNoIndex},
      {114, ctl::temp_shim2_scr, form::kNoIndex},
  };
  for (const Known& k : known) {
    const SettingLine& line = setting_lines().at(k.line - 1);
    EXPECT_TRUE(line.control == k.control && line.index == k.index) << "line " << k.line;
  }
}

// Every scroll bar at either end of its range and every check box at 0 are
// written and read back at the next start.
TEST(SettingLines, RangeEndsSurviveASaveAndALoad) {
  for (bool top : {true, false}) {
    SettingsRig rig;
    form::Controller& c = rig.c();
    c.start();
    for (const form::Setting& s : form::kSettings) {
      for (int k = 0; k < s.count; ++k) {
        form::Control& control = c.c(s.control, s.index_at(k));
        if (s.kind == form::Kind::ScrollBar) control.set_value(top ? s.top : s.bottom);
        if (s.kind == form::Kind::CheckBox) control.set_value(top ? 1 : 0);
      }
    }
    OK_Click(c);
    rig.restart();
    for (const form::Setting& s : form::kSettings) {
      for (int k = 0; k < s.count; ++k) {
        const form::Control& control = rig.c().c(s.control, s.index_at(k));
        if (s.kind == form::Kind::ScrollBar) {
          EXPECT_EQ(control.value(), top ? s.top : s.bottom) << control.full_name();
        } else if (s.kind == form::Kind::CheckBox) {
          EXPECT_EQ(control.value(), top ? 1 : 0) << control.full_name();
        }
      }
    }
  }
}

}  // namespace
}  // namespace kolvar::settings
