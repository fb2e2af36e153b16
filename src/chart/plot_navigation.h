#pragma once
// The operator's ways through the plot's time, for whichever toolkit paints
// it: the wheel zooms the time axis around the cursor, a drag pans it, a
// double click shows the whole run again; either of the first two drops
// following the latest time. Positions are in logical pixels from the left
// of the plot's area, whose width the painter knows.
#include <functional>

#include "chart/plot_model.h"
#include "chart/time_window.h"

namespace kolvar::chart {

class PlotNavigation {
 public:
  // `model` must outlive the navigation.
  explicit PlotNavigation(const PlotModel& model) : model_(model) {}

  // A past run shown behind (none: nothing); it must outlive its use here.
  void set_background(const PlotModel* behind) { behind_ = behind; }
  // The stretch of time shown now.
  Span span() const;
  TimeWindow& time() { return time_; }
  const TimeWindow& time() const { return time_; }
  // Told whenever following starts or stops.
  void on_following(std::function<void(bool)> listener) { listener_ = std::move(listener); }

  void follow();
  // A turn of the wheel, 120 a notch (positive away from the operator, which
  // zooms in), with the cursor at x across an area `width` wide.
  void wheel(int delta, double x, double width);
  // A drag from x; moving to x pans so that the time under the cursor stays
  // under it. A move without a press pans nothing.
  void press(double x);
  void drag(double x, double width);
  void release() { dragging_ = false; }
  bool dragging() const { return dragging_; }
  void whole_run();

 private:
  template <typename Change>
  void change(Change change);

  const PlotModel& model_;
  const PlotModel* behind_ = nullptr;
  TimeWindow time_;
  std::function<void(bool)> listener_;
  bool dragging_ = false;
  double drag_x_ = 0;
  Span drag_span_{};
};

}  // namespace kolvar::chart
