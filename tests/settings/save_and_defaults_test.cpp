// The save behind every "Применить", and "По умолчанию".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/setting_table.h"
#include "settings/defaults.h"
#include "settings/save.h"
#include "settings_rig.h"

namespace kolvar::settings {
namespace {

using testing::initial_file_lines;
using testing::SettingsRig;
using testing::with_crlf;

TEST(Save, ReturnsToTheMainPanelAndWritesTheControls) {
  SettingsRig rig;
  form::Controller& c = rig.c();
  c.c(ctl::F, 4).set_visible(false);
  c.c(ctl::F, 1).set_visible(true);
  for (const char* menu : {"file", "Tune", "Work"}) c.form.get(menu).set_enabled(false);
  c.c(ctl::Form1).resize(4380, 3735);
  c.c(ctl::step_up).set_text("1500");
  OK_Click(c);
  EXPECT_TRUE(c.c(ctl::F, 4).visible());
  for (int hidden : {1, 2, 5}) EXPECT_FALSE(c.c(ctl::F, hidden).visible()) << hidden;
  for (const char* menu : {"file", "Tune", "Work"}) EXPECT_TRUE(c.form.get(menu).enabled()) << menu;
  EXPECT_EQ(c.c(ctl::Form1).width(), 4185);
  EXPECT_EQ(c.c(ctl::Form1).height(), 5605);
  EXPECT_EQ(c.c(ctl::News).text(), "Файл настроек сохранен");
  std::vector<std::string> lines = initial_file_lines();
  lines[97] = "1500";
  EXPECT_EQ(rig.bytes(), with_crlf(lines));
}

TEST(Save, AFailedSaveSaysSoAndKeepsTheOldFile) {
  SettingsRig rig;
  rig.c().start();
  const std::string old = rig.bytes();
  rig.c().c(ctl::LogPath, 1).set_text("C:\\a\nb");
  OK_Click(rig.c());
  EXPECT_EQ(rig.c().c(ctl::News).text(),
            "Файл настроек не сохранен\r\nстрока 2 содержит перевод строки");
  EXPECT_EQ(rig.bytes(), old);
}

TEST(Save, ApplyButtonsCopyTheCountersOnlyFromTheSettingsPanel) {
  SettingsRig rig;
  form::Controller& c = rig.c();
  c.c(ctl::peregrev_def).set_text("120");
  c.c(ctl::voda_vkl_def).set_text("700");
  OK2_Click(c);
  EXPECT_EQ(c.c(ctl::peregrev).text(), "60");
  EXPECT_EQ(c.c(ctl::voda_vkl).text(), "1000");
  OK_set_Click(c);
  EXPECT_EQ(c.c(ctl::peregrev).text(), "120");
  EXPECT_EQ(c.c(ctl::voda_vkl).text(), "700");
  EXPECT_EQ(c.c(ctl::News).text(), "Файл настроек сохранен");
  EXPECT_NE(rig.bytes().find("\r\n120\r\n700\r\n"), std::string::npos);
}

TEST(Save, TheButtonsAreWired) {
  SettingsRig rig;
  for (const char* button : {"OK", "OK2", "OK_set"}) {
    std::filesystem::remove(rig.file());
    rig.c().click(rig.c().form.get(button));
    EXPECT_EQ(rig.bytes(), with_crlf(initial_file_lines())) << button;
  }
  rig.c().c(ctl::hot).set_value(500);
  rig.c().click(rig.c().c(ctl::Def_button));
  EXPECT_EQ(rig.c().c(ctl::hot).value(), 999);
}

TEST(Defaults, RestoreTheNumericSettingsWithoutSaving) {
  SettingsRig rig;
  form::Controller& c = rig.c();
  rig.h().locale.separator = ',';
  c.start();
  for (const char* box :
       {"time3_def", "time_error_def", "peregrev_def", "voda_vkl_def", "step_up", "step_d",
        "lift_up_def", "lift_down_def", "lift_speed", "net_vodi_def", "wait_def", "time3",
        "peregrev", "voda_vkl", "net_vodi", "stab_temp", "LogPath(1)", "T2(1)", "Inter"})
    c.form.find_full(box)->set_text("9");
  for (const char* box : {"Ch_log", "Ch_pulse", "wait_ch", "sound_ch"})
    c.form.get(box).set_value(0);
  c.c(ctl::hot).set_value(500);
  c.c(ctl::kalibr_kolonni_scr).set_value(10);
  c.c(ctl::temp_shim1_scr).set_value(800);
  c.c(ctl::temp_shim2_scr).set_value(800);
  c.c(ctl::Interval).set_value(7);
  c.c(ctl::V, 1).set_value(500);
  c.c(ctl::dopusk).set_value(50);
  c.set_restart_mark(true);
  c.c(ctl::kub, 2).set_checked(true);
  const std::string file_before = rig.bytes();

  Def_button_Click(c);

  struct {
    const char* control;
    std::string value;
  } const texts[] = {
      {"time3_def", "2000"},
      {"time3", "2000"},
      {"time_error_def", "3"},
      {"peregrev_def", "100"},
      {"peregrev", "100"},
      {"voda_vkl_def", "500"},
      {"voda_vkl", "500"},
      {"step_up", "1000"},
      {"step_d", "5000"},
      {"lift_up_def", "4"},
      {"lift_down_def", "1"},
      {"lift_speed", "1000"},
      {"net_vodi_def", "10"},
      {"net_vodi", "10"},
      {"stab_temp", "0"},
      {"hot1", "99,9"},
      {"wait_def", "3"},
      {"pulse_time", "3500"},
      {"kalibr_kolonni", "100"},
      {"temp_shim1", "90"},
      {"temp_shim2", "100"},
      // Left as they were.
      {"LogPath(1)", "9"},
      {"T2(1)", "9"},
      {"Inter", "9"},
  };
  for (const auto& t : texts) EXPECT_EQ(c.form.find_full(t.control)->text(), t.value) << t.control;
  struct {
    const char* control;
    int value;
  } const values[] = {
      {"Ch_log", 1},
      {"Ch_pulse", 1},
      {"wait_ch", 1},
      {"sound_ch", 1},
      {"hot", 999},
      {"kalibr_kolonni_scr", 100},
      {"temp_shim1_scr", 900},
      {"temp_shim2_scr", 1000},
      // Left as they were.
      {"Interval", 7},
      {"V(1)", 500},
      {"dopusk", 50},
  };
  for (const auto& v : values)
    EXPECT_EQ(c.form.find_full(v.control)->value(), v.value) << v.control;
  EXPECT_FALSE(c.restart_mark());
  EXPECT_EQ(c.c(ctl::Ch_log).tag(), "0");
  EXPECT_TRUE(c.c(ctl::kub, 2).checked());
  EXPECT_EQ(rig.bytes(), file_before);
}

TEST(Defaults, RaiseTheChangeReactionsOfTheirScrollBars) {
  SettingsRig rig;
  std::vector<std::string> changed;
  for (form::Name bar :
       {ctl::hot, ctl::kalibr_kolonni_scr, ctl::temp_shim1_scr, ctl::temp_shim2_scr})
    rig.c().on_change(
        bar, [&changed, bar](form::Controller&, int) { changed.emplace_back(bar.text()); });
  Def_button_Click(rig.c());  // hot differs from its initial 990; the others do not
  EXPECT_EQ(changed, std::vector<std::string>{"hot"});
}

std::string state_of(const form::Control& control) {
  return control.text() + "|" + std::to_string(control.value()) + "|" +
         (control.checked() ? "1" : "0");
}

// Every setting moved off both its initial value and its default: the
// button brings back exactly the table's restored rows, each to its default.
TEST(Defaults, SetExactlyTheTablesDefaultsAndLeaveTheOtherSettings) {
  SettingsRig rig;
  form::Controller& c = rig.c();
  c.start();
  std::vector<std::string> moved;
  for (const form::Setting& s : form::kSettings) {
    for (int k = 0; k < s.count; ++k) {
      const int index = s.index_at(k);
      form::Control& control = c.c(s.control, index);
      switch (s.kind) {
        case form::Kind::Menu:
          control.set_checked(s.initial_value(index) == 0);
          break;
        case form::Kind::CheckBox:
          control.set_value(1 - s.initial_value(index));
          break;
        case form::Kind::ScrollBar: {
          int value = std::min(s.top, s.bottom);
          while (value == s.initial_value(index) || (s.restored && value == s.default_value()))
            ++value;
          control.set_value(value);
          break;
        }
        default:
          control.set_text("Ёлка " + control.full_name());
          break;
      }
      moved.push_back(state_of(control));
    }
  }

  Def_button_Click(c);

  std::size_t n = 0;
  for (const form::Setting& s : form::kSettings) {
    for (int k = 0; k < s.count; ++k, ++n) {
      const form::Control& control = c.c(s.control, s.index_at(k));
      SCOPED_TRACE(control.full_name());
      if (!s.restored) {
        EXPECT_EQ(state_of(control), moved[n]);
      } else if (s.kind == form::Kind::TextBox) {
        EXPECT_EQ(control.text(), s.text);
      } else {
        EXPECT_EQ(control.value(), s.default_value());
      }
    }
  }
}

}  // namespace
}  // namespace kolvar::settings
