#pragma once
// How each role's curve looks, in the plot and its legend.
#include <cstddef>
#include <string>

#include "chart/colour.h"

namespace kolvar::chart {

Colour role_colour(std::size_t role);
// "Дефлегматор", "Насадка", "Бак", "Холодильник" (UTF-8)
std::string role_name(std::size_t role);

}  // namespace kolvar::chart
