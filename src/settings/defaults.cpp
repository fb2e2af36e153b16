#include "settings/defaults.h"

#include <stdexcept>
#include <string>

#include "form/setting_table.h"
#include "settings/value_labels.h"

namespace kolvar::settings {
namespace {

void copy_text(form::Controller& c, form::Name to, form::Name from) {
  c.c(to).set_text(c.c(from).text());
}

// Sets one restored setting of the table to its default.
void restore(form::Controller& c, const form::Setting& s) {
  form::Control& control = c.c(s.control);
  switch (s.kind) {
    case form::Kind::TextBox:
      control.set_text(std::string(s.text));
      return;
    case form::Kind::CheckBox:
      control.set_value(s.default_value());
      return;
    case form::Kind::ScrollBar:
      // Its change reaction runs as for an operator's move, and its value
      // label follows even where the value was already the default.
      c.change_value(control, s.default_value());
      settings::show_value(c, s.control);
      return;
    default:
      throw std::logic_error("no default for " + std::string(s.control.text()));
  }
}

}  // namespace

void Def_button_Click(form::Controller& c) {
  for (const form::Setting& s : form::kSettings)
    if (s.restored) restore(c, s);
  // The counters that run from a restored setting start from it afresh.
  copy_text(c, ctl::time3, ctl::time3_def);
  copy_text(c, ctl::peregrev, ctl::peregrev_def);
  copy_text(c, ctl::voda_vkl, ctl::voda_vkl_def);
  copy_text(c, ctl::net_vodi, ctl::net_vodi_def);
  c.c(ctl::stab_temp).set_text("0");
  settings::derive_pulse_time(c);
  c.set_restart_mark(false);  // the logger counts as not restarted
}

}  // namespace kolvar::settings
