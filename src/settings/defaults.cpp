#include "settings/defaults.h"

#include <string>

#include "settings/value_labels.h"

namespace kolvar::settings {
namespace {

void copy_text(form::Controller& c, const char* to, const char* from) {
  c.c(to).set_text(c.c(from).text());
}

}  // namespace

void Def_button_Click(form::Controller& c) {
  c.c("time3_def").set_text("2000");
  copy_text(c, "time3", "time3_def");
  c.c("time_error_def").set_text("3");
  c.c("peregrev_def").set_text("100");
  copy_text(c, "peregrev", "peregrev_def");
  c.c("voda_vkl_def").set_text("500");
  copy_text(c, "voda_vkl", "voda_vkl_def");
  c.c("step_up").set_text("1000");
  c.c("step_d").set_text("5000");
  c.c("Ch_log").set_value(1);
  c.c("lift_up_def").set_text("4");
  c.c("lift_down_def").set_text("1");
  c.c("lift_speed").set_text("1000");
  c.c("net_vodi_def").set_text("10");
  copy_text(c, "net_vodi", "net_vodi_def");
  c.c("stab_temp").set_text("0");
  // 99.9 degrees, a tenth below the window's own initial value.
  c.change_value(c.c("hot"), 999);
  settings::show_value(c, "hot");
  c.c("wait_def").set_text("3");
  c.c("Ch_pulse").set_value(1);
  settings::derive_pulse_time(c);
  c.c("Ch_log").set_tag("0");  // RestartMark: TempKeeper counts as not restarted
  c.c("wait_ch").set_value(1);
  c.c("sound_ch").set_value(1);
  c.change_value(c.c("kalibr_kolonni_scr"), 100);
  settings::show_value(c, "kalibr_kolonni_scr");
  c.change_value(c.c("temp_shim1_scr"), 900);
  settings::show_value(c, "temp_shim1_scr");
  c.change_value(c.c("temp_shim2_scr"), 1000);
  settings::show_value(c, "temp_shim2_scr");
}

}  // namespace kolvar::settings
