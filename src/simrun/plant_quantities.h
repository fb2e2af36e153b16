#pragma once
// The simulated column's quantities by name, as the scenario runner prints
// and checks them: `sim.tank_celsius`, `sim.valve`, ...
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/plant_status.h"

namespace kolvar::simrun {

// The value of quantity `name` as text: "True"/"False" for states, whole
// numbers for counts, at most three decimals for measures (temperatures in
// °C, volumes in litres, strengths in per cent by volume). Nullopt for a
// name that is none of quantity_names().
std::optional<std::string> quantity_text(const sim::PlantStatus& status, long valve_openings,
                                         std::string_view name);
std::vector<std::string_view> quantity_names();

// Whether a quantity's text meets what a script expects of it: `LOW..HIGH`
// (inclusive), `<X` or `>X` for numbers, else the text itself. Nullopt when a
// range or comparison is not made of numbers.
std::optional<bool> quantity_matches(std::string_view actual, std::string_view wanted);

}  // namespace kolvar::simrun
