#pragma once
// The plot of the run under way, beside the main window: it keeps the record
// of every run and draws what the record takes, never the window's labels.
// The main window keeps exactly its own controls; F9 there shows the plot
// again after the operator closed it.
#include <QShortcut>
#include <QWidget>
#include <memory>

#include "form/controller.h"
#include "platform/wall_clock.h"
#include "plot/plot_window.h"
#include "record/run_record.h"

namespace kolvar::plot {

class LivePlot {
 public:
  // Both `c` and `wall` must outlive this; the plot window is shown beside
  // `main_window` once the event loop runs, so the main window is in place.
  LivePlot(form::Controller& c, const platform::WallClock& wall, QWidget* main_window,
           record::RecordOptions options = {});
  LivePlot(const LivePlot&) = delete;
  LivePlot& operator=(const LivePlot&) = delete;
  ~LivePlot();

  PlotWindow& window() { return *window_; }
  const record::RunRecord& record() const { return record_; }
  // Shows the plot beside the main window, or brings it to the front.
  void show();
  // Places the plot beside `neighbour` instead of the main window (another
  // window already stands there); before the first show only.
  void place_beside(QWidget* neighbour) { neighbour_ = neighbour; }

 private:
  void place();

  record::RunRecord record_;
  std::unique_ptr<PlotWindow> window_;
  QWidget* main_window_;
  QWidget* neighbour_ = nullptr;
  std::unique_ptr<QShortcut> shortcut_;
  bool running_ = false;
  bool placed_ = false;
};

}  // namespace kolvar::plot
