#pragma once
// How each role's curve looks, in the plot and its legend.
#include <QColor>
#include <QString>
#include <cstddef>

namespace kolvar::plot {

QColor role_colour(std::size_t role);
// "Дефлегматор", "Насадка", "Бак", "Холодильник"
QString role_name(std::size_t role);

}  // namespace kolvar::plot
