#pragma once
// The two phases of width-modulated take-off: in every cycle period the
// valve is closed for (100 % − share) and open for the share `otb`
// (thousandths of a percent, 100000 = 100 %). `Timer8` runs the closed phase
// and opens the valve when it ends; `Timer9` then runs the open phase and
// closes the valve.
#include "form/controller.h"

namespace kolvar::core {

// Arm: both phase lengths from `otb` and the period `Interval` (nearest
// whole ms, halves to even; they add up to the period), then the closed
// phase starts now, with the valve closed if it was open. A closed phase of
// 0 ms opens the valve at once.
void arm_phases(form::Controller& c);

// Stop: valve closed, "Отбор остановлен", both phase timers off.
void stop_takeoff(form::Controller& c);

// Full: valve open, "Отбор максимальный"; the phase timers are left alone.
void full_takeoff(form::Controller& c);

// An open phase of the previous period still running when a new period is
// decided ends now, as if its timer had fired first.
void end_previous_open_phase(form::Controller& c);

// End of the closed phase: the valve opens and the open phase starts, the
// panel shows the share. An open phase of 0 ms ends where it begins: the
// valve stays closed.
void Timer8_Timer(form::Controller& c);

// End of the open phase: the valve closes, the panel shows the share.
void Timer9_Timer(form::Controller& c);

}  // namespace kolvar::core
