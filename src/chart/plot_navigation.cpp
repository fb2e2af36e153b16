#include "chart/plot_navigation.h"

#include <algorithm>
#include <cmath>

#include "chart/background_run.h"

namespace kolvar::chart {

namespace {

// A notch of the wheel is this much of its turn: a fifth nearer or farther.
constexpr double kNotch = 120;
constexpr double kNotchZoom = 0.8;

}  // namespace

Span PlotNavigation::span() const {
  return shown_span(time_, model_, behind_);
}

template <typename Change>
void PlotNavigation::change(Change change) {
  const bool was = time_.following();
  change();
  if (listener_ && was != time_.following()) listener_(time_.following());
}

void PlotNavigation::follow() {
  change([this] { time_.follow(); });
}

void PlotNavigation::wheel(int delta, double x, double width) {
  if (delta == 0) return;
  const double anchor = x / std::max(1.0, width);
  change([&] { time_.zoom(span(), std::pow(kNotchZoom, delta / kNotch), anchor); });
}

void PlotNavigation::press(double x) {
  dragging_ = true;
  drag_x_ = x;
  drag_span_ = span();
}

void PlotNavigation::drag(double x, double width) {
  const double dx = x - drag_x_;
  if (!dragging_ || dx == 0) return;
  const double per_pixel = static_cast<double>(drag_span_.width()) / std::max(1.0, width);
  // Dragging right shows earlier.
  change(
      [&] { time_.pan(drag_span_, -static_cast<platform::Millis>(std::llround(dx * per_pixel))); });
}

void PlotNavigation::whole_run() {
  change([this] { time_.whole_run(); });
}

}  // namespace kolvar::chart
