#include "settings/outside_edit.h"

#include <optional>
#include <string>

#include "platform/failure.h"
#include "settings/settings_apply.h"
#include "settings/value_forms.h"

namespace kolvar::settings {

void check_outside_edit(form::Controller& c) {
  std::optional<platform::SettingsFile::Reader> reader;
  try {
    reader.emplace(c.settings_file.open_for_reading());
  } catch (const Failure&) {
    return;
  }
  std::optional<std::string> flag = reader->next_line();
  if (!flag) return;
  std::optional<std::int16_t> value = parse_number(*flag);
  if (!value || *value == 0) return;
  // The reader stays open throughout, so a save that a reaction asks for
  // leaves the file and its flag as they are.
  apply_settings(c, *reader);
  c.c(ctl::News).set_text(kOutsideEditMessage);
}

}  // namespace kolvar::settings
