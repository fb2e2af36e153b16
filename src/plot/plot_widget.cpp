#include "plot/plot_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "plot/plot_painter.h"

namespace kolvar::plot {

PlotWidget::PlotWidget(const chart::PlotModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setCursor(Qt::OpenHandCursor);
}

chart::Span PlotWidget::span() const {
  const auto& points = model_.points();
  if (points.empty()) return time_.span(0, 0);
  return time_.span(points.first_time(), points.last_time());
}

void PlotWidget::follow() {
  const bool was = time_.following();
  time_.follow();
  changed_view(was);
}

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_plot(painter, size(), model_, span());
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y();
  if (steps == 0) return event->ignore();
  const QRect area = plot_area(size());
  const double anchor =
      (event->position().x() - area.left()) / static_cast<double>(std::max(1, area.width()));
  const bool was = time_.following();
  // One notch of the wheel: a fifth nearer or farther.
  time_.zoom(span(), std::pow(0.8, steps / 120.0), anchor);
  changed_view(was);
  event->accept();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  drag_x_ = event->position().x();
  drag_span_ = span();
  setCursor(Qt::ClosedHandCursor);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const double dx = event->position().x() - drag_x_;
  if (dx == 0) return;
  const double per_pixel = static_cast<double>(drag_span_.width()) /
                           static_cast<double>(std::max(1, plot_area(size()).width()));
  const bool was = time_.following();
  // The time under the cursor stays under it: dragging right shows earlier.
  time_.pan(drag_span_, -static_cast<platform::Millis>(std::llround(dx * per_pixel)));
  changed_view(was);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent*) {
  const bool was = time_.following();
  time_.whole_run();
  changed_view(was);
}

void PlotWidget::changed_view(bool was_following) {
  update();
  if (following_listener_ && was_following != time_.following())
    following_listener_(time_.following());
}

}  // namespace kolvar::plot
