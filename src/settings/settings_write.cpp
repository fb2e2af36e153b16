#include "settings/settings_write.h"

#include "settings/path_encoding.h"
#include "settings/settings_lines.h"
#include "settings/value_forms.h"

namespace kolvar::settings {

std::vector<std::string> settings_in_force(const form::Form& form) {
  std::vector<std::string> lines;
  lines.reserve(setting_lines().size());
  for (const SettingLine& line : setting_lines()) {
    if (line.form == LineForm::Flag) {
      lines.push_back(format_number(0));
      continue;
    }
    const form::Control& control = form.get(line.control->text(), line.index);
    switch (line.form) {
      case LineForm::Text:
        lines.push_back(control.text());
        break;
      case LineForm::Mark:
        lines.push_back(format_mark(control.checked()));
        break;
      case LineForm::Number:
        lines.push_back(format_number(control.value()));
        break;
      case LineForm::Flag:
        break;
    }
  }
  return lines;
}

std::vector<std::string> settings_file_lines(const form::Controller& c) {
  std::vector<std::string> lines = settings_in_force(c.form);
  for (std::size_t k = 0; k < lines.size(); ++k)
    if (setting_lines()[k].form == LineForm::Text) lines[k] = encode_path_line(lines[k]);
  return lines;
}

}  // namespace kolvar::settings
