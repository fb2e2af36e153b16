#include "ui/commands.h"

#include <algorithm>

#include "core/cooldown.h"
#include "core/run_counters.h"
#include "core/start_warnings.h"
#include "core/steps.h"
#include "core/system_stop.h"
#include "form/takeoff.h"
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
  c.c(ctl::Timer1).set_on(true);
  core::cancel_cooldown(c);
  core::reset_run_state(c);
  c.set_stop_reason("");
  for (int k : c.indices(ctl::pin)) c.c(ctl::pin, k).set_text("0");
  io::LPT_set(c);
  form::Control& news = c.c(ctl::News);
  for (const std::string& warning : core::start_warnings(c))
    news.set_text(news.text() + "\r\n" + warning);
}

void Stop_sys_button_Click(form::Controller& c) {
  operator_stop(c, "Остановлено пользователем");
}

void operator_stop(form::Controller& c, const std::string& reason) {
  core::system_stop(c, reason);
  c.c(ctl::otb).set_text("0");
}

namespace {

// Vapour take-off keeps its delay in ms as plain decimal text.
void set_delay(form::Controller& c, double delay) {
  c.c(ctl::time3).set_text(form::decimal_text(form::held_number(delay, "time3"), '.'));
  c.c(ctl::Timer3).set_on(false);
}

// PWM take-off steps its share by a fixed 1 %.
void step_share(form::Controller& c, long long by) {
  long long otb = form::counter_value(c.c(ctl::otb).text(), "otb");
  c.c(ctl::otb).set_text(std::to_string(std::clamp(otb + by, 0LL, 100000LL)));
}

}  // namespace

void otbor_up_button_Click(form::Controller& c) {
  switch (form::takeoff_type(c)) {
    case form::Takeoff::Liquid:
      io::lift_down(c);
      break;
    case form::Takeoff::Vapour:
      set_delay(c,
                form::numeric_value(c.c(ctl::time3).text()) + core::step_setting(c, ctl::step_up));
      break;
    case form::Takeoff::Pwm:
      step_share(c, 1000);
      break;
    case form::Takeoff::None:
      break;
  }
}

void otbor_down_button_Click(form::Controller& c) {
  switch (form::takeoff_type(c)) {
    case form::Takeoff::Liquid:
      io::lift_up(c);
      break;
    case form::Takeoff::Vapour:
      set_delay(c, std::max(0.0, form::numeric_value(c.c(ctl::time3).text()) -
                                     core::step_setting(c, ctl::step_d)));
      break;
    case form::Takeoff::Pwm:
      step_share(c, -1000);
      break;
    case form::Takeoff::None:
      break;
  }
}

void manual_otb_Ch_Click(form::Controller& c) {
  bool manual = c.c(ctl::manual_otb_Ch).value() == 1;
  for (form::Name name :
       {ctl::manual_otb, ctl::manual_otb_1, ctl::manual_temp_CH, ctl::otb_po_t_bragi})
    c.c(name).set_enabled(manual);
  for (form::Name name :
       {ctl::dopusk, ctl::dopusk1, ctl::Dopusk2, ctl::otbor_down_button, ctl::otbor_up_button})
    c.c(name).set_enabled(!manual);
}

void otb_po_t_bragi_Click(form::Controller& c) {
  bool by_tank = c.c(ctl::otb_po_t_bragi).value() == 1;
  for (form::Name name : {ctl::manual_otb, ctl::manual_otb_2, ctl::manual_otb_Ch})
    c.c(name).set_enabled(!by_tank);
}

// The threshold and period bars stay quiet while start-up applies the file.
void V_Change(form::Controller& c, int index) {
  if (!c.settings_loaded()) return;
  c.c(ctl::T2, index)
      .set_text(form::tenths_text(c.c(ctl::V, index).value(), c.decimal_separator()));
  settings::OK_Click(c);
}

void Interval_Change(form::Controller& c) {
  if (!c.settings_loaded()) return;
  int seconds = c.c(ctl::Interval).value();
  c.c(ctl::Inter).set_text(std::to_string(seconds));
  c.c(ctl::Timer1).set_interval(seconds * 1000LL);
  settings::derive_pulse_time(c);
  settings::OK_Click(c);
}

void dopusk_Change(form::Controller& c) {
  settings::show_value(c, ctl::dopusk);
  settings::OK_Click(c);
}

void hot_Change(form::Controller& c) {
  settings::show_value(c, ctl::hot);
}
void kalibr_kolonni_scr_Change(form::Controller& c) {
  settings::show_value(c, ctl::kalibr_kolonni_scr);
}
void temp_shim1_scr_Change(form::Controller& c) {
  settings::show_value(c, ctl::temp_shim1_scr);
}
void temp_shim2_scr_Change(form::Controller& c) {
  settings::show_value(c, ctl::temp_shim2_scr);
}
void manual_otb_Change(form::Controller& c) {
  settings::show_value(c, ctl::manual_otb);
}

}  // namespace kolvar::ui
