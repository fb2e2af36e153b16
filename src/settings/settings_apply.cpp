#include "settings/settings_apply.h"

#include <cstdint>
#include <optional>
#include <string>

#include "platform/failure.h"
#include "settings/path_encoding.h"
#include "settings/settings_lines.h"
#include "settings/value_forms.h"

namespace kolvar::settings {
namespace {

void apply_number(form::Controller& c, form::Control& control, const std::string& raw) {
  std::optional<std::int16_t> value = parse_number(raw);
  if (!value) return;
  if (control.kind() == form::Kind::ScrollBar) {
    if (control.in_range(*value)) c.change_value(control, *value);
  } else if (*value == 0 || *value == 1) {
    // A check box knows no third state worth keeping; anything else is refused.
    control.set_value(*value);
  }
}

void apply_line(form::Controller& c, const SettingLine& line, const std::string& raw) {
  form::Control& control = c.c(*line.control, line.index);
  switch (line.form) {
    // Every text line goes through the path decoding, not only the two paths:
    // whatever bytes an outside editor left, the controls hold valid UTF-8.
    case LineForm::Text:
      control.set_text(decode_path_line(raw));
      break;
    case LineForm::Mark:
      if (std::optional<bool> mark = parse_mark(raw)) control.set_checked(*mark);
      break;
    case LineForm::Number:
      apply_number(c, control, raw);
      break;
    case LineForm::Flag:
      break;
  }
}

void set_cycle_period(form::Controller& c) {
  c.c(ctl::Timer1).set_interval(static_cast<long long>(c.c(ctl::Interval).value()) * 1000);
}

}  // namespace

void apply_settings(form::Controller& c, platform::SettingsFile::Reader& reader) {
  const auto& lines = setting_lines();
  for (std::size_t k = 1; k < lines.size(); ++k) {
    std::optional<std::string> raw = reader.next_line();
    if (!raw) return;
    try {
      apply_line(c, lines[k], *raw);
    } catch (const Failure&) {
      // Tolerant by design: the control keeps its value, the next line goes on.
    }
    if (lines[k].control == ctl::Interval) set_cycle_period(c);
  }
}

}  // namespace kolvar::settings
