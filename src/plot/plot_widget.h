#pragma once
// The plot on screen, painted with Qt; the mouse moves through its time as
// chart/plot_navigation.h has it.
#include <QWidget>
#include <functional>
#include <memory>

#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "chart/plot_navigation.h"

namespace kolvar::plot {

class PlotWidget : public QWidget {
 public:
  PlotWidget(const chart::PlotModel& model, QWidget* parent = nullptr);

  // The model now holds other data (a sample, a new run, a record opened).
  void data_changed() { update(); }
  // A past run drawn faded behind (none: nothing); kept while it is drawn.
  void set_background(std::shared_ptr<const chart::BackgroundRun> behind);
  // The stretch of time shown now.
  chart::Span span() const { return navigation_.span(); }
  chart::TimeWindow& time() { return navigation_.time(); }
  void follow();
  // Told whenever following starts or stops.
  void on_following(std::function<void(bool)> listener) {
    navigation_.on_following(std::move(listener));
  }

  QSize sizeHint() const override { return {900, 460}; }
  QSize minimumSizeHint() const override { return {320, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const chart::PlotModel& model_;
  std::shared_ptr<const chart::BackgroundRun> behind_;
  chart::PlotNavigation navigation_{model_};
};

}  // namespace kolvar::plot
