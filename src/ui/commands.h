#pragma once
// The operator's direct commands: start and stop, the take-off buttons, the
// manual share, and the reactions of the scroll bars.
#include "ui/controller.h"

namespace kolvar::ui {

void Start_sys_button_Click(Controller& c);
void Stop_sys_button_Click(Controller& c);
void otbor_up_button_Click(Controller& c);
void otbor_down_button_Click(Controller& c);
void manual_otb_Ch_Click(Controller& c);
void otb_po_t_bragi_Click(Controller& c);

// Scroll-bar change reactions.
void V_Change(Controller& c, int index);
void Interval_Change(Controller& c);
void dopusk_Change(Controller& c);
void hot_Change(Controller& c);
void kalibr_kolonni_scr_Change(Controller& c);
void temp_shim1_scr_Change(Controller& c);
void temp_shim2_scr_Change(Controller& c);
void manual_otb_Change(Controller& c);

}  // namespace kolvar::ui
