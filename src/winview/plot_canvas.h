#pragma once
// The plot on screen, painted with GDI from the plot's scene through a
// buffer, so it never flickers: the wheel zooms the time axis around the
// cursor, a drag pans it, a double click shows the whole run again. Either of
// the first two drops following the latest time.
#include <functional>

#include "chart/plot_model.h"
#include "chart/scene.h"
#include "chart/time_window.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class PlotCanvas final : public WindowObject {
 public:
  // A child of `parent`; `model` must outlive it.
  PlotCanvas(HWND parent, const chart::PlotModel& model);
  ~PlotCanvas();

  // The model holds other data: the plot is painted anew when the window
  // is next idle, once however many samples came meanwhile.
  void data_changed() { InvalidateRect(hwnd(), nullptr, FALSE); }
  chart::Span span() const;
  chart::TimeWindow& time() { return time_; }
  void follow();
  // Told whenever following starts or stops.
  void on_following(std::function<void(bool)> listener) {
    following_listener_ = std::move(listener);
  }
  // The scene as it is painted now, in logical pixels.
  chart::Scene scene() const;
  // A wheel turned over the plot's window, at `screen` (WM_MOUSEWHEEL goes
  // to the window with the focus).
  void wheel(int delta, POINT screen);

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  chart::Size logical_size() const;
  void paint();
  void changed_view(bool was_following);

  const chart::PlotModel& model_;
  chart::TimeWindow time_;
  std::function<void(bool)> following_listener_;
  bool dragging_ = false;
  int drag_x_ = 0;
  chart::Span drag_span_{};
  // The buffer the plot is painted into, kept while the size holds.
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  SIZE buffer_size_{0, 0};
};

}  // namespace kolvar::winview
