#include "record/snapshot.h"

#include "form/text_number.h"
#include "settings/settings_lines.h"
#include "settings/value_forms.h"

namespace kolvar::record {

namespace {

Takeoff takeoff_of(const form::Form& form) {
  if (form.get("liquid").checked()) return Takeoff::Liquid;
  if (form.get("par").checked()) return Takeoff::Vapour;
  if (form.get("SHIM").checked()) return Takeoff::Pwm;
  return Takeoff::None;
}

std::optional<bool> valve_of(const form::Form& form) {
  const std::string& status = form.get("Klapan_status").text();
  if (status == "1") return true;
  if (status == "0") return false;
  return std::nullopt;
}

std::optional<long long> share_of(const form::Form& form) {
  return form::whole_number(form.get("otb").text());
}

// Element k of the pin image is bit k of the byte.
std::optional<int> port_of(const form::Form& form) {
  int byte = 0;
  for (int k = 0; k < 8; ++k) {
    const std::string& pin = form.get("pin", k).text();
    if (pin != "0" && pin != "1") return std::nullopt;
    if (pin == "1") byte |= 1 << k;
  }
  return byte;
}

}  // namespace

Sample take_sample(const form::Form& form) {
  Sample s;
  for (int r = 1; r <= 4; ++r) {
    const form::Control& t = form.get("T", r);
    if (t.enabled()) s.temperatures[r - 1] = t.text();
  }
  for (int i = 1; i <= 5; ++i) s.thresholds[i - 1] = form.get("V", i).value();
  s.takeoff = takeoff_of(form);
  s.valve_open = valve_of(form);
  s.share = share_of(form);
  s.port = port_of(form);
  s.news = form.get("News").text();
  return s;
}

std::vector<std::string> settings_in_force(const form::Form& form) {
  using settings::LineForm;
  std::vector<std::string> lines;
  for (const settings::SettingLine& line : settings::setting_lines()) {
    const form::Control* control =
        line.form == LineForm::Flag ? nullptr : &form.get(line.control, line.index);
    switch (line.form) {
      case LineForm::Flag:
        lines.push_back(settings::format_number(0));
        break;
      case LineForm::Text:
        lines.push_back(control->text());
        break;
      case LineForm::Mark:
        lines.push_back(settings::format_mark(control->checked()));
        break;
      case LineForm::Number:
        lines.push_back(settings::format_number(control->value()));
        break;
    }
  }
  return lines;
}

bool cycle_running(const form::Form& form) {
  return form.get("Timer1").on();
}

bool is_cycle_timer(const form::Control& control) {
  return control.name() == "Timer1";
}

bool is_start_command(const form::Control& control) {
  return control.name() == "Start_sys_button";
}

}  // namespace kolvar::record
