#include "qtlaunch/screen_picture.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace kolvar::qtlaunch {

QPixmap screen_picture() {
  constexpr int kMargin = 16;
  QList<QWidget*> shown;
  QRect all;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->width() < 16) continue;
    shown.append(w);
    all = all.united(w->geometry());
  }
  QPixmap picture(all.size() + QSize(2 * kMargin, 2 * kMargin));
  picture.fill(QColor(0x4a, 0x55, 0x60));
  QPainter painter(&picture);
  painter.setPen(QColor(0x20, 0x24, 0x28));
  for (QWidget* w : shown) {
    const QPoint at = w->geometry().topLeft() - all.topLeft() + QPoint(kMargin, kMargin);
    painter.drawPixmap(at, w->grab());
    painter.drawRect(QRect(at, w->size()).adjusted(-1, -1, 0, 0));
  }
  return picture;
}

}  // namespace kolvar::qtlaunch
