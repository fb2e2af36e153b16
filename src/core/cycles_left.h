#pragma once
// The countdowns to a protective stop, held as whole numbers in text boxes.
#include <optional>

#include "form/controller.h"

namespace kolvar::core {

// The cycles left in the count `counter`. A count holding no whole number
// (such as `net_vodi`, which starts empty) counts as its default
// `default_name`, so the countdown starts in full; nothing when the default
// holds none either.
std::optional<long long> cycles_left(const form::Controller& c, form::Name counter,
                                     form::Name default_name);

}  // namespace kolvar::core
