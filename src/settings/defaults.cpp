#include "settings/defaults.h"

#include <string>

#include "settings/value_labels.h"

namespace kolvar::settings {
namespace {

void copy_text(form::Controller& c, form::Name to, form::Name from) {
  c.c(to).set_text(c.c(from).text());
}

}  // namespace

void Def_button_Click(form::Controller& c) {
  c.c(ctl::time3_def).set_text("2000");
  copy_text(c, ctl::time3, ctl::time3_def);
  c.c(ctl::time_error_def).set_text("3");
  c.c(ctl::peregrev_def).set_text("100");
  copy_text(c, ctl::peregrev, ctl::peregrev_def);
  c.c(ctl::voda_vkl_def).set_text("500");
  copy_text(c, ctl::voda_vkl, ctl::voda_vkl_def);
  c.c(ctl::step_up).set_text("1000");
  c.c(ctl::step_d).set_text("5000");
  c.c(ctl::Ch_log).set_value(1);
  c.c(ctl::lift_up_def).set_text("4");
  c.c(ctl::lift_down_def).set_text("1");
  c.c(ctl::lift_speed).set_text("1000");
  c.c(ctl::net_vodi_def).set_text("10");
  copy_text(c, ctl::net_vodi, ctl::net_vodi_def);
  c.c(ctl::stab_temp).set_text("0");
  // 99.9 degrees, a tenth below the window's own initial value.
  c.change_value(c.c(ctl::hot), 999);
  settings::show_value(c, ctl::hot);
  c.c(ctl::wait_def).set_text("3");
  c.c(ctl::Ch_pulse).set_value(1);
  settings::derive_pulse_time(c);
  c.set_restart_mark(false);  // TempKeeper counts as not restarted
  c.c(ctl::wait_ch).set_value(1);
  c.c(ctl::sound_ch).set_value(1);
  c.change_value(c.c(ctl::kalibr_kolonni_scr), 100);
  settings::show_value(c, ctl::kalibr_kolonni_scr);
  c.change_value(c.c(ctl::temp_shim1_scr), 900);
  settings::show_value(c, ctl::temp_shim1_scr);
  c.change_value(c.c(ctl::temp_shim2_scr), 1000);
  settings::show_value(c, ctl::temp_shim2_scr);
}

}  // namespace kolvar::settings
