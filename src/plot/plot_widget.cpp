#include "plot/plot_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "plot/plot_painter.h"

namespace kolvar::plot {

PlotWidget::PlotWidget(const chart::PlotModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setCursor(Qt::OpenHandCursor);
}

void PlotWidget::follow() {
  navigation_.follow();
  update();
}

void PlotWidget::set_background(std::shared_ptr<const chart::BackgroundRun> behind) {
  behind_ = std::move(behind);
  navigation_.set_background(behind_ ? &behind_->model : nullptr);
  update();
}

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_plot(painter, size(), model_, span(), behind_.get());
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return event->ignore();
  const QRect area = plot_area(size());
  navigation_.wheel(delta, event->position().x() - area.left(), area.width());
  update();
  event->accept();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  navigation_.press(event->position().x());
  setCursor(Qt::ClosedHandCursor);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!navigation_.dragging()) return;
  navigation_.drag(event->position().x(), plot_area(size()).width());
  update();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  navigation_.release();
  setCursor(Qt::OpenHandCursor);
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent*) {
  navigation_.whole_run();
  update();
}

}  // namespace kolvar::plot
