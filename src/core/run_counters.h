#pragma once
// Counters of the run state (`wait`, `peregrev`, `stab_temp`): whole numbers
// held as decimal text in their text boxes, and where a run starts them.
#include "form/controller.h"

namespace kolvar::core {

// Adds delta to the counter in the text box `name` and writes it back; returns
// the new value. A text that holds no whole number is a failure naming the
// box, and the box keeps its text.
long long count_by(form::Controller& c, form::Name name, long long delta);

// The start of a run, by "Старт системы" or a change of take-off type: the
// vapour delay, the overheat count and the cooling pulse from their settings,
// the stable count and the PWM share at 0.
void reset_run_state(form::Controller& c);

}  // namespace kolvar::core
