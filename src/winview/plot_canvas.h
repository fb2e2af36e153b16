#pragma once
// The plot on screen, painted with GDI from the plot's scene through a
// buffer, so it never flickers; the mouse moves through its time as
// chart/plot_navigation.h has it.
#include <functional>
#include <memory>

#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "chart/plot_navigation.h"
#include "chart/scene.h"
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
  // A past run drawn faded behind (none: nothing); kept while it is drawn.
  void set_background(std::shared_ptr<const chart::BackgroundRun> behind);
  chart::Span span() const { return navigation_.span(); }
  chart::TimeWindow& time() { return navigation_.time(); }
  void follow();
  // Told whenever following starts or stops.
  void on_following(std::function<void(bool)> listener) {
    navigation_.on_following(std::move(listener));
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

  const chart::PlotModel& model_;
  std::shared_ptr<const chart::BackgroundRun> behind_;
  chart::PlotNavigation navigation_{model_};
  // The buffer the plot is painted into, kept while the size holds.
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  SIZE buffer_size_{0, 0};
};

}  // namespace kolvar::winview
