#include "settings/settings_lines.h"

namespace kolvar::settings {
namespace {

void add_array(std::vector<SettingLine>& lines, LineForm form, std::string_view name, int count) {
  for (int i = 1; i <= count; ++i) lines.push_back({form, name, i});
}

std::vector<SettingLine> build() {
  using enum LineForm;
  std::vector<SettingLine> lines;
  lines.push_back({Flag, {}});
  lines.push_back({Text, "LogPath", 1});
  lines.push_back({Text, "Path"});
  add_array(lines, Mark, "opstop", 3);
  for (std::string_view pins : {"ps", "pf", "ss", "lu", "ld", "zm", "puls"})
    add_array(lines, Mark, pins, 8);
  add_array(lines, Text, "T2", 5);
  add_array(lines, Number, "V", 5);
  lines.push_back({Text, "Inter"});
  lines.push_back({Number, "Interval"});
  for (std::string_view sensors : {"da", "na", "kub", "kul"}) add_array(lines, Mark, sensors, 5);
  for (std::string_view box : {"time3_def", "peregrev_def", "voda_vkl_def", "step_up", "step_d"})
    lines.push_back({Text, box});
  lines.push_back({Number, "hot"});
  lines.push_back({Number, "Ch_log"});
  for (std::string_view box :
       {"lift_up_def", "lift_down_def", "lift_speed", "net_vodi_def", "wait_def"})
    lines.push_back({Text, box});
  lines.push_back({Number, "wait_ch"});
  lines.push_back({Number, "Ch_pulse"});
  lines.push_back({Number, "dopusk"});
  lines.push_back({Text, "time_error_def"});
  for (std::string_view value :
       {"sound_ch", "kalibr_kolonni_scr", "temp_shim1_scr", "temp_shim2_scr"})
    lines.push_back({Number, value});
  return lines;
}

}  // namespace

const std::vector<SettingLine>& setting_lines() {
  static const std::vector<SettingLine> lines = build();
  return lines;
}

}  // namespace kolvar::settings
