#pragma once
// The plot of the run under way, beside the main window: it follows the
// program's run record and draws what the record takes, never the window's
// labels. The record is the program's; the plot only subscribes to it, so
// runs are recorded whether or not a plot is shown. The main window keeps
// exactly its own controls; F9 there shows the plot again after the operator
// closed it. "Фон…" puts a past run behind the one under way, the last
// finished run offered first; the page's plot shows the same run behind.
#include <QShortcut>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "chart/background_choice.h"
#include "plot/plot_window.h"
#include "record/run_listener.h"
#include "record/run_record.h"

namespace kolvar::plot {

class LivePlot final : private record::RunListener {
 public:
  // `record` must outlive this. The plot window is not shown yet: whoever
  // places it beside the main window shows it (view/companions.h).
  // F9 in `main_window` shows it again after the operator closed it.
  // `background`, when given, holds the run behind for every picture of
  // this plot; it must outlive this.
  LivePlot(record::RunRecord& record, QWidget* main_window,
           chart::BackgroundChoice* background = nullptr);
  LivePlot(const LivePlot&) = delete;
  LivePlot& operator=(const LivePlot&) = delete;
  ~LivePlot();

  PlotWindow& window() { return *window_; }
  // Shows the plot where it was last, or brings it to the front.
  void show();

 private:
  void run_started(const std::vector<std::string>& settings) override;
  void sample_taken(const record::Sample& sample) override;
  void run_stopped() override;

  record::RunRecord& record_;
  std::unique_ptr<PlotWindow> window_;
  std::unique_ptr<QShortcut> shortcut_;
  bool running_ = false;
};

}  // namespace kolvar::plot
