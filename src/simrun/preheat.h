#pragma once
// A column that is already distilling when the window opens: the plant alone
// on virtual time, as fast as the machine allows, from a cold charge to the
// boil at total reflux (take-off valve closed, the product cooler's water
// on), as the operator would have brought it by hand.
#include <optional>

#include "sim/plant.h"

namespace kolvar::simrun {

// Runs the plant until its head temperature has settled, or for at most
// `limit` of plant time when it never does (no heat, nothing to boil). The
// plant's clock is left where the run ended; the log holds every poll.
// Returns whether the column boils.
bool bring_to_boil(sim::Plant& plant, platform::Millis limit = 6 * 3600 * 1000);

// What bring_to_boil saw on the way.
struct TotalReflux {
  bool boiling = false;
  std::optional<platform::Millis> boiling_at;  // plant time of the first boil, to 10 s
  double head_celsius = 0;                     // where the head settled
};
TotalReflux settle_at_total_reflux(sim::Plant& plant, platform::Millis limit = 6 * 3600 * 1000);

}  // namespace kolvar::simrun
