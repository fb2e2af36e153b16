#pragma once
// Counters of the run state (`wait`, `peregrev`, `stab_temp`): whole numbers
// held as decimal text in their text boxes.
#include <string_view>

#include "form/controller.h"

namespace kolvar::core {

// Adds delta to the counter in the text box `name` and writes it back; returns
// the new value. A text that holds no whole number is a failure naming the
// box, and the box keeps its text.
long long count_by(form::Controller& c, std::string_view name, long long delta);

}  // namespace kolvar::core
