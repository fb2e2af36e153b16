#include "settings/settings_lines.h"

namespace kolvar::settings {
namespace {

void add_array(std::vector<SettingLine>& lines, LineForm form, form::Name name, int count) {
  for (int i = 1; i <= count; ++i) lines.push_back({form, name, i});
}

std::vector<SettingLine> build() {
  using enum LineForm;
  std::vector<SettingLine> lines;
  lines.push_back({Flag, {}});
  lines.push_back({Text, ctl::LogPath, 1});
  lines.push_back({Text, ctl::Path});
  add_array(lines, Mark, ctl::opstop, 3);
  for (form::Name pins : {ctl::ps, ctl::pf, ctl::ss, ctl::lu, ctl::ld, ctl::zm, ctl::puls})
    add_array(lines, Mark, pins, 8);
  add_array(lines, Text, ctl::T2, 5);
  add_array(lines, Number, ctl::V, 5);
  lines.push_back({Text, ctl::Inter});
  lines.push_back({Number, ctl::Interval});
  for (form::Name sensors : {ctl::da, ctl::na, ctl::kub, ctl::kul})
    add_array(lines, Mark, sensors, 5);
  for (form::Name box :
       {ctl::time3_def, ctl::peregrev_def, ctl::voda_vkl_def, ctl::step_up, ctl::step_d})
    lines.push_back({Text, box});
  lines.push_back({Number, ctl::hot});
  lines.push_back({Number, ctl::Ch_log});
  for (form::Name box :
       {ctl::lift_up_def, ctl::lift_down_def, ctl::lift_speed, ctl::net_vodi_def, ctl::wait_def})
    lines.push_back({Text, box});
  lines.push_back({Number, ctl::wait_ch});
  lines.push_back({Number, ctl::Ch_pulse});
  lines.push_back({Number, ctl::dopusk});
  lines.push_back({Text, ctl::time_error_def});
  for (form::Name value :
       {ctl::sound_ch, ctl::kalibr_kolonni_scr, ctl::temp_shim1_scr, ctl::temp_shim2_scr})
    lines.push_back({Number, value});
  return lines;
}

}  // namespace

const std::vector<SettingLine>& setting_lines() {
  static const std::vector<SettingLine> lines = build();
  return lines;
}

}  // namespace kolvar::settings
