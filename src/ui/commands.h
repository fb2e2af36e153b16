#pragma once
// The operator's direct commands: start and stop, the take-off buttons, the
// manual share, and the reactions of the scroll bars.
#include <string>

#include "form/controller.h"

namespace kolvar::ui {

void Start_sys_button_Click(form::Controller& c);
void Stop_sys_button_Click(form::Controller& c);
// What "Стоп системы" does (the system stop, and the take-off shown as none),
// with `reason` for the stop: the button's own, or that of a stop asked for
// from elsewhere (the web page).
void operator_stop(form::Controller& c, const std::string& reason);
void otbor_up_button_Click(form::Controller& c);
void otbor_down_button_Click(form::Controller& c);
void manual_otb_Ch_Click(form::Controller& c);
void otb_po_t_bragi_Click(form::Controller& c);

// Scroll-bar change reactions.
void V_Change(form::Controller& c, int index);
void Interval_Change(form::Controller& c);
void dopusk_Change(form::Controller& c);
void hot_Change(form::Controller& c);
void kalibr_kolonni_scr_Change(form::Controller& c);
void temp_shim1_scr_Change(form::Controller& c);
void temp_shim2_scr_Change(form::Controller& c);
void manual_otb_Change(form::Controller& c);

}  // namespace kolvar::ui
