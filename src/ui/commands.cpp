#include "ui/commands.h"

#include <algorithm>

#include "core/steps.h"
#include "core/system_stop.h"
#include "form/text_number.h"
#include "io/lift.h"
#include "io/port_write.h"
#include "settings/save.h"
#include "settings/startup.h"
#include "settings/value_labels.h"
#include "ui/valve_commands.h"

namespace kolvar::ui {

void Start_sys_button_Click(form::Controller& c) {
  Form_Load(c);
  c.c("Timer1").set_on(true);
  c.c("time3").set_text(c.c("time3_def").text());
  c.c("peregrev").set_text(c.c("peregrev_def").text());
  c.c("voda_vkl").set_text(c.c("voda_vkl_def").text());
  c.c("stab_temp").set_text("0");
  c.c("otb").set_text("0");
  c.c("News").set_tag("");
  for (int k : c.form.indices("pin")) c.c("pin", k).set_text("0");
  io::LPT_set(c);
}

void Stop_sys_button_Click(form::Controller& c) {
  c.c("News").set_tag("Остановлено пользователем");
  core::system_stop(c);
  c.c("otb").set_text("0");
}

namespace {

// Vapour take-off keeps its delay in ms as plain decimal text.
void set_delay(form::Controller& c, double delay) {
  c.c("time3").set_text(form::decimal_text(form::held_number(delay, "time3"), '.'));
  c.c("Timer3").set_on(false);
}

// PWM take-off steps its share by a fixed 1 %.
void step_share(form::Controller& c, long long by) {
  long long otb = form::counter_value(c.c("otb").text(), "otb");
  c.c("otb").set_text(std::to_string(std::clamp(otb + by, 0LL, 100000LL)));
}

}  // namespace

void otbor_up_button_Click(form::Controller& c) {
  if (c.c("liquid").checked()) {
    io::lift_down(c);
  } else if (c.c("par").checked()) {
    set_delay(c, form::numeric_value(c.c("time3").text()) + core::step_setting(c, "step_up"));
  } else if (c.c("SHIM").checked()) {
    step_share(c, 1000);
  }
}

void otbor_down_button_Click(form::Controller& c) {
  if (c.c("liquid").checked()) {
    io::lift_up(c);
  } else if (c.c("par").checked()) {
    set_delay(c, std::max(0.0, form::numeric_value(c.c("time3").text()) -
                                   core::step_setting(c, "step_d")));
  } else if (c.c("SHIM").checked()) {
    step_share(c, -1000);
  }
}

void manual_otb_Ch_Click(form::Controller& c) {
  bool manual = c.c("manual_otb_Ch").value() == 1;
  for (const char* name : {"manual_otb", "manual_otb_1", "manual_temp_CH", "otb_po_t_bragi"})
    c.c(name).set_enabled(manual);
  for (const char* name : {"dopusk", "dopusk1", "Dopusk2", "otbor_down_button", "otbor_up_button"})
    c.c(name).set_enabled(!manual);
}

void otb_po_t_bragi_Click(form::Controller& c) {
  bool by_tank = c.c("otb_po_t_bragi").value() == 1;
  for (const char* name : {"manual_otb", "manual_otb_2", "manual_otb_Ch"})
    c.c(name).set_enabled(!by_tank);
}

namespace {
// The threshold and period bars stay quiet while start-up applies the file.
bool settings_loaded(const form::Controller& c) {
  return form::numeric_value(c.c("V", 1).tag()) != 0;
}

}  // namespace

void V_Change(form::Controller& c, int index) {
  if (!settings_loaded(c)) return;
  c.c("T2", index).set_text(form::tenths_text(c.c("V", index).value(), c.decimal_separator()));
  settings::OK_Click(c);
}

void Interval_Change(form::Controller& c) {
  if (!settings_loaded(c)) return;
  int seconds = c.c("Interval").value();
  c.c("Inter").set_text(std::to_string(seconds));
  c.c("Timer1").set_interval(seconds * 1000LL);
  settings::derive_pulse_time(c);
  settings::OK_Click(c);
}

void dopusk_Change(form::Controller& c) {
  settings::show_value(c, "dopusk");
  settings::OK_Click(c);
}

void hot_Change(form::Controller& c) {
  settings::show_value(c, "hot");
}
void kalibr_kolonni_scr_Change(form::Controller& c) {
  settings::show_value(c, "kalibr_kolonni_scr");
}
void temp_shim1_scr_Change(form::Controller& c) {
  settings::show_value(c, "temp_shim1_scr");
}
void temp_shim2_scr_Change(form::Controller& c) {
  settings::show_value(c, "temp_shim2_scr");
}
void manual_otb_Change(form::Controller& c) {
  settings::show_value(c, "manual_otb");
}

}  // namespace kolvar::ui
