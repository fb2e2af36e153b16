#include "record/snapshot.h"

#include "core/roles.h"
#include "form/names.h"
#include "form/takeoff.h"
#include "form/text_number.h"
#include "settings/settings_write.h"

namespace kolvar::record {

namespace {

std::optional<bool> valve_of(const form::Form& form) {
  const std::string& status = form.get(ctl::Klapan_status.text()).text();
  if (status == "1") return true;
  if (status == "0") return false;
  return std::nullopt;
}

std::optional<long long> share_of(const form::Form& form) {
  return form::whole_number(form.get(ctl::otb.text()).text());
}

// Element k of the pin image is bit k of the byte.
std::optional<int> port_of(const form::Form& form) {
  int byte = 0;
  for (int k = 0; k < 8; ++k) {
    const std::string& pin = form.get(ctl::pin.text(), k).text();
    if (pin != "0" && pin != "1") return std::nullopt;
    if (pin == "1") byte |= 1 << k;
  }
  return byte;
}

}  // namespace

Sample take_sample(const form::Controller& c) {
  const form::Form& form = c.form;
  Sample s;
  // Until the cycle has read a line the labels show the window's first
  // captions, and a role that takes no part shows its threshold: neither is
  // a reading.
  for (int r = 1; r <= form::kRoleCount && c.column.has_reading(); ++r) {
    if (!core::role_enabled(c, r)) continue;
    const auto k = static_cast<std::size_t>(r - 1);
    const form::RoleReading& reading = c.column.role(r);
    s.temperatures[k] = reading.text;
    s.read_error[k] = core::role_read_error(c, r);
    if (!s.read_error[k]) s.degrees[k] = reading.degrees;
  }
  for (int i = 1; i <= 5; ++i) s.thresholds[i - 1] = form.get(ctl::V.text(), i).value();
  s.takeoff = form::takeoff_type(c);
  s.valve_open = valve_of(form);
  s.share = share_of(form);
  s.port = port_of(form);
  s.news = form.get(ctl::News.text()).text();
  return s;
}

std::vector<std::string> settings_in_force(const form::Form& form) {
  return settings::settings_in_force(form);
}

bool cycle_running(const form::Form& form) {
  return form.get(ctl::Timer1.text()).on();
}

bool is_cycle_timer(const form::Control& control) {
  return control.name() == ctl::Timer1.text();
}

bool is_start_command(const form::Control& control) {
  return control.name() == ctl::Start_sys_button.text();
}

}  // namespace kolvar::record
