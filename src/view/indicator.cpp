#include "view/indicator.h"

#include <QPainter>

namespace kolvar::view {

void Indicator::set_color(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void Indicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setBrush(color_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kolvar::view
