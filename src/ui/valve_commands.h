#pragma once
// The "Work" menu: the take-off valve held open or closed by hand, or handed
// to the control cycle.
#include "ui/controller.h"

namespace kolvar::ui {

// "Открыть клапан": manual control, valve opened through `vkl`.
void Start_Click(Controller& c);
// "Закрыть клапан": manual control, valve closed through `otkl`.
void stp_Click(Controller& c);
// "Автоматически": automatic control, valve closed through `otkl`. Also the
// last step of start-up.
void Auto_Click(Controller& c);

// Which tolerance and manual-share controls are usable under width-modulated
// take-off, from `manual_otb_Ch` and `otb_po_t_bragi`. Choosing that take-off
// type applies it too.
void apply_pwm_enabling(Controller& c);

}  // namespace kolvar::ui
