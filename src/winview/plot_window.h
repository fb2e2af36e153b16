#pragma once
// The plot's own window: the plot and the "Следить" button. Closing it only
// hides it.
#include <memory>

#include "chart/plot_model.h"
#include "winview/plot_canvas.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class PlotWindow final : public WindowObject {
 public:
  // "График — Kolvar", not shown yet.
  PlotWindow();
  ~PlotWindow();

  chart::PlotModel& model() { return model_; }
  PlotCanvas& plot() { return *canvas_; }
  // Whether "Следить" shows as pressed.
  bool follow_checked() const;
  HWND follow_button() const { return follow_; }
  // The model took new data.
  void refresh() { canvas_->data_changed(); }

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  void lay_out();
  void set_scale(double scale);

  chart::PlotModel model_;
  std::unique_ptr<PlotCanvas> canvas_;
  HWND follow_ = nullptr;
  HWND hint_ = nullptr;
  HFONT font_ = nullptr;
  double scale_ = 1;
};

}  // namespace kolvar::winview
