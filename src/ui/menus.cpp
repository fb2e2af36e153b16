#include "ui/menus.h"

#include "core/cooldown.h"
#include "core/run_counters.h"
#include "io/port_image.h"
#include "settings/save.h"
#include "settings/startup.h"
#include "settings/table_rows.h"
#include "ui/path_panels.h"
#include "ui/valve_commands.h"

namespace kolvar::ui {

void select_item(form::Controller& c, form::Name array, int index) {
  for (int i : c.indices(array)) c.c(array, i).set_checked(i == index);
}

void toggle_item(form::Controller& c, form::Name array, int index) {
  if (c.c(array, index).checked()) {
    c.c(array, index).set_checked(false);
    // A file edited outside may have ticked several; a click leaves none.
    for (int i : c.indices(array)) c.c(array, i).set_checked(false);
  } else {
    select_item(c, array, index);
  }
}

void da_Click(form::Controller& c, int index) {
  select_item(c, ctl::da, index);
  settings::OK_Click(c);
}

void na_Click(form::Controller& c, int index) {
  select_item(c, ctl::na, index);
  settings::OK_Click(c);
}

namespace {
// Save, then load the file back so start-up's derived state follows the
// change (rows, run state, stop pins, automatic control with the valve closed).
void save_and_reload(form::Controller& c) {
  settings::OK_Click(c);
  Form_Load(c);
}
}  // namespace

void kub_Click(form::Controller& c, int index) {
  toggle_item(c, ctl::kub, index);
  save_and_reload(c);
}

void kul_Click(form::Controller& c, int index) {
  toggle_item(c, ctl::kul, index);
  save_and_reload(c);
}

void opstop_Click(form::Controller& c, int index) {
  select_item(c, ctl::opstop, index);
  settings::enable_control_rows(c);
  settings::OK_Click(c);
}

namespace {
const form::Name kPwmControls[] = {ctl::dopusk,       ctl::dopusk1,        ctl::Dopusk2,
                                   ctl::manual_otb_2, ctl::manual_otb,     ctl::manual_otb_Ch,
                                   ctl::manual_otb_1, ctl::manual_temp_CH, ctl::otb_po_t_bragi};

void choose_takeoff_type(form::Controller& c, form::Name chosen) {
  if (chosen != ctl::par) c.c(ctl::Timer3).set_on(false);
  for (form::Name type : {ctl::liquid, ctl::par, ctl::SHIM}) c.c(type).set_checked(type == chosen);
  core::reset_run_state(c);
  if (chosen == ctl::SHIM) {
    for (form::Name name : {ctl::dopusk, ctl::dopusk1, ctl::Dopusk2, ctl::manual_otb_Ch})
      c.c(name).set_enabled(true);
    apply_pwm_enabling(c);
  } else {
    for (form::Name name : kPwmControls) c.c(name).set_enabled(false);
  }
  core::cooldown_type_changed(c);
}
}  // namespace

void liquid_Click(form::Controller& c) {
  choose_takeoff_type(c, ctl::liquid);
}
void par_Click(form::Controller& c) {
  choose_takeoff_type(c, ctl::par);
}
void SHIM_Click(form::Controller& c) {
  choose_takeoff_type(c, ctl::SHIM);
}

void pin_menu_Click(form::Controller& c, form::Name array, int index) {
  toggle_item(c, array, index);
  save_and_reload(c);
}

void puls_Click(form::Controller& c, int index) {
  // The clicked pin goes low whether it gains or loses the signal, and so does
  // every pin that loses its tick: none is left driving a signal it no
  // longer carries. The port sees it with the reload's write.
  for (int i : c.indices(ctl::puls))
    if (i == index || c.c(ctl::puls, i).checked())
      io::pin_of_item(c, i).set_text(std::string(io::kLow));
  toggle_item(c, ctl::puls, index);
  save_and_reload(c);
}

namespace {
void show_path_panel(form::Controller& c, int frame) {
  c.c(ctl::F, 4).set_visible(false);
  for (form::Name menu : {ctl::file, ctl::Tune, ctl::Work}) c.c(menu).set_enabled(false);
  form::Control& panel = c.c(ctl::F, frame);
  panel.move(0, 0);
  panel.bring_to_front();
  panel.set_visible(true);
  c.c(ctl::Form1).resize(4380, 3735);
  fill_path_panel(c, frame);
}
}  // namespace

void fi_Click(form::Controller& c) {
  show_path_panel(c, 1);
}
void tk_Click(form::Controller& c) {
  show_path_panel(c, 2);
}

void settings_Click(form::Controller& c) {
  c.c(ctl::F, 4).set_visible(false);
  form::Control& panel = c.c(ctl::F, 5);
  panel.move(0, 0);
  panel.bring_to_front();
  panel.set_visible(true);
  c.c(ctl::Form1).resize(8385, 5805);
}

void verr_Click(form::Controller& c) {
  c.os.message_box.show(c.c(ctl::verr).text());
}

}  // namespace kolvar::ui
