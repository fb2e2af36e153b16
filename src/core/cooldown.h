#pragma once
// A stop never cuts cooling that is running. A cooler-overheat stop that
// closed the coil's water would leave a cooler that already cannot keep up
// with none at all; in vapour take-off the take-off valve carries the
// dephlegmator's water, and closing it with a stop relay that sticks vents
// the column's vapour. So the stop leaves the coil's pins that were high
// high, and in vapour take-off opens the water valve, for a cool-down of
// kCooldownMinutes; then both go to the stop image.
//
// The timer `cooldown` fires once a minute; its tag counts the minutes still
// to run. The panel's last line says how long the cool-down still runs.
#include <optional>
#include <string>

#include "form/controller.h"

namespace kolvar::core {

inline constexpr int kCooldownMinutes = 10;
inline constexpr int kCooldownTickMs = 60000;
// How the panel's cool-down line begins; a reader of the panel's text (a
// run's summary) leaves that line out of the stop's reason.
inline constexpr const char* kCooldownLinePrefix = "Охлаждение после остановки: ещё ";

// Some coil-cooling pin is high.
bool coil_cooling_on(const form::Controller& c);

// Whether the stop's valve is the dephlegmator's water: vapour take-off.
bool valve_carries_water(const form::Controller& c);

// Starts the cool-down's count; in vapour take-off a pending pulse end that
// would close the water valve is cancelled. The stop itself leaves the coil
// and opens the water valve.
void start_cooldown(form::Controller& c);

// The minutes the cool-down still runs; none when none runs.
std::optional<long long> cooldown_minutes_left(const form::Controller& c);

// The panel line that tells the cool-down; empty when none runs.
std::string cooldown_line(const form::Controller& c);

// The tick of `cooldown`: one minute less, or at the end the coil's pins low
// and the valve closed (unless the operator opened it by hand), and the
// panel's line gone.
void cooldown_Timer(form::Controller& c);

// The operator chose another take-off type during the cool-down: the valve
// no longer carries water but spirit, so the water that the stop kept
// flowing through it is closed (unless he opened the valve by hand).
void cooldown_type_changed(form::Controller& c);

// "Старт системы": the cycle takes the outputs over; no cool-down runs on.
void cancel_cooldown(form::Controller& c);

}  // namespace kolvar::core
