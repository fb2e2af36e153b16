#include "chart/role_style.h"

#include <array>

namespace kolvar::chart {

Colour role_colour(std::size_t role) {
  // Told apart also by those who confuse red and green.
  static constexpr std::array<Colour, 4> kColours = {Colour{213, 62, 79}, Colour{50, 100, 200},
                                                     Colour{230, 140, 20}, Colour{120, 70, 160}};
  return kColours[role % kColours.size()];
}

std::string role_name(std::size_t role) {
  static const std::array<const char*, 4> kNames = {"Дефлегматор", "Насадка", "Бак", "Холодильник"};
  return kNames[role % kNames.size()];
}

}  // namespace kolvar::chart
