#pragma once
// The configuration menus: sensors, control choice, take-off type, pin
// assignments, the panels and the version message.
#include "form/controller.h"

namespace kolvar::ui {

// Menu arrays: ticks the clicked item alone (select) or, when it was ticked,
// leaves the array with none (toggle).
void select_item(form::Controller& c, form::Name array, int index);
void toggle_item(form::Controller& c, form::Name array, int index);

void da_Click(form::Controller& c, int index);
void na_Click(form::Controller& c, int index);
void kub_Click(form::Controller& c, int index);
void kul_Click(form::Controller& c, int index);
void opstop_Click(form::Controller& c, int index);

void liquid_Click(form::Controller& c);
void par_Click(form::Controller& c);
void SHIM_Click(form::Controller& c);

// ps, pf, ss, lu, ld, zm: toggle, save, reload.
void pin_menu_Click(form::Controller& c, form::Name array, int index);
// puls: the same, and the working-signal pins that lose their signal go low.
void puls_Click(form::Controller& c, int index);

void fi_Click(form::Controller& c);
void tk_Click(form::Controller& c);
void settings_Click(form::Controller& c);
void verr_Click(form::Controller& c);

}  // namespace kolvar::ui
