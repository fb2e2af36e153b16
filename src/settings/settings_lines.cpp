#include "settings/settings_lines.h"

#include <stdexcept>
#include <string>

#include "form/setting_table.h"
#include "platform/files/settings_file.h"

namespace kolvar::settings {
namespace {

// The reader hands out no more lines than the file holds.
static_assert(1 + form::setting_control_count() == platform::SettingsFile::kLineCount);

std::vector<SettingLine> build() {
  std::vector<SettingLine> lines;
  lines.push_back({LineForm::Flag, {}});
  for (const form::Setting& s : form::kSettings)
    for (int k = 0; k < s.count; ++k)
      lines.push_back({line_form(s.kind), s.control, s.index_at(k)});
  return lines;
}

}  // namespace

LineForm line_form(form::Kind kind) {
  switch (kind) {
    case form::Kind::TextBox:
    case form::Kind::Label:
      return LineForm::Text;
    case form::Kind::Menu:
      return LineForm::Mark;
    case form::Kind::ScrollBar:
    case form::Kind::CheckBox:
      return LineForm::Number;
    default:
      throw std::logic_error("no settings line holds a " + std::string(form::kind_name(kind)));
  }
}

const std::vector<SettingLine>& setting_lines() {
  static const std::vector<SettingLine> lines = build();
  return lines;
}

}  // namespace kolvar::settings
