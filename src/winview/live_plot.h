#pragma once
// The plot of the run under way, beside the main window: it follows the
// program's run record and draws what the record takes, never the window's
// labels. The record is the program's; the plot only subscribes to it, so
// runs are recorded whether or not a plot is shown. F9 in the main window
// shows the plot again after the operator closed it. "Фон…" puts a past run
// behind the one under way, the last finished run offered first; the web
// page's plot shows the same run behind.
#include <string>
#include <vector>

#include "chart/background_choice.h"
#include "record/run_listener.h"
#include "record/run_record.h"
#include "winview/plot_window.h"
#include "winview/win32.h"

namespace kolvar::winview {

class LivePlot final : private record::RunListener {
 public:
  // `record` must outlive this. The plot window is not shown yet: whoever
  // places it beside the main window shows it. F9 while `main_window` (or a
  // control in it) has the keyboard shows it again; one live plot a thread
  // watches F9.
  // `background`, when given, holds the run behind for every picture of
  // this plot; it must outlive this.
  LivePlot(record::RunRecord& record, HWND main_window,
           chart::BackgroundChoice* background = nullptr);
  LivePlot(const LivePlot&) = delete;
  LivePlot& operator=(const LivePlot&) = delete;
  ~LivePlot();

  PlotWindow& window() { return window_; }
  // Shows the plot where it was last, or brings it to the front.
  void show();

 private:
  void run_started(const std::vector<std::string>& settings) override;
  void sample_taken(const record::Sample& sample) override;
  void run_stopped() override;
  static LRESULT CALLBACK keyboard(int code, WPARAM key, LPARAM flags);

  record::RunRecord& record_;
  PlotWindow window_;
  HWND main_;
  HHOOK hook_ = nullptr;
  bool running_ = false;
};

}  // namespace kolvar::winview
