#pragma once
// The plot of the run under way, beside the main window: it follows the
// program's run record and draws what the record takes, never the window's
// labels. The record is the program's; the plot only subscribes to it, so
// runs are recorded whether or not a plot is shown. The main window keeps
// exactly its own controls; F9 there shows the plot again after the operator
// closed it.
#include <QShortcut>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "plot/plot_window.h"
#include "record/run_listener.h"
#include "record/run_record.h"

namespace kolvar::plot {

class LivePlot final : private record::RunListener {
 public:
  // `record` must outlive this; the plot window is shown beside
  // `main_window` once the event loop runs, so the main window is in place.
  LivePlot(record::RunRecord& record, QWidget* main_window);
  LivePlot(const LivePlot&) = delete;
  LivePlot& operator=(const LivePlot&) = delete;
  ~LivePlot();

  PlotWindow& window() { return *window_; }
  // Shows the plot beside the main window, or brings it to the front.
  void show();
  // Places the plot beside `neighbour` instead of the main window (another
  // window already stands there); before the first show only.
  void place_beside(QWidget* neighbour) { neighbour_ = neighbour; }

 private:
  void run_started(const std::vector<std::string>& settings) override;
  void sample_taken(const record::Sample& sample) override;
  void run_stopped() override;
  void place();

  record::RunRecord& record_;
  std::unique_ptr<PlotWindow> window_;
  QWidget* main_window_;
  QWidget* neighbour_ = nullptr;
  std::unique_ptr<QShortcut> shortcut_;
  bool placed_ = false;
};

}  // namespace kolvar::plot
