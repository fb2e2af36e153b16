#include "plot/role_style.h"

#include <array>

namespace kolvar::plot {

QColor role_colour(std::size_t role) {
  // Told apart also by those who confuse red and green.
  static const std::array<QColor, 4> kColours = {QColor(213, 62, 79), QColor(50, 100, 200),
                                                 QColor(230, 140, 20), QColor(120, 70, 160)};
  return kColours[role % kColours.size()];
}

QString role_name(std::size_t role) {
  static const std::array<const char*, 4> kNames = {"Дефлегматор", "Насадка", "Бак", "Холодильник"};
  return QString::fromUtf8(kNames[role % kNames.size()]);
}

}  // namespace kolvar::plot
