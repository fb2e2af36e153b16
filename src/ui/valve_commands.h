#pragma once
// The "Work" menu: the take-off valve held open or closed by hand, or handed
// to the control cycle.
#include "form/controller.h"

namespace kolvar::ui {

// "Открыть клапан": manual control, valve opened through `vkl`.
void Start_Click(form::Controller& c);
// "Закрыть клапан": manual control, valve closed through `otkl`.
void stp_Click(form::Controller& c);
// "Автоматически": automatic control, valve closed through `otkl`. Also the
// last step of start-up.
void Auto_Click(form::Controller& c);

// Start-up and the re-initialisation that several commands repeat: the
// settings loaded into the window, then automatic control with the valve
// closed.
void Form_Load(form::Controller& c);

// Which tolerance and manual-share controls are usable under width-modulated
// take-off, from `manual_otb_Ch` and `otb_po_t_bragi`. Choosing that take-off
// type applies it too.
void apply_pwm_enabling(form::Controller& c);

}  // namespace kolvar::ui
