#pragma once
// The plot on screen: the wheel zooms the time axis around the cursor, a drag
// pans it, a double click shows the whole run again. Either of the first two
// drops following the latest time.
#include <QWidget>
#include <functional>

#include "chart/plot_model.h"
#include "chart/time_window.h"

namespace kolvar::plot {

class PlotWidget : public QWidget {
 public:
  PlotWidget(const chart::PlotModel& model, QWidget* parent = nullptr);

  // The model now holds other data (a sample, a new run, a record opened).
  void data_changed() { update(); }
  // The stretch of time shown now.
  chart::Span span() const;
  chart::TimeWindow& time() { return time_; }
  void follow();
  // Told whenever following starts or stops.
  void on_following(std::function<void(bool)> listener) {
    following_listener_ = std::move(listener);
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
  void changed_view(bool was_following);

  const chart::PlotModel& model_;
  chart::TimeWindow time_;
  std::function<void(bool)> following_listener_;
  bool dragging_ = false;
  double drag_x_ = 0;
  chart::Span drag_span_{};
};

}  // namespace kolvar::plot
