#include "plot/live_plot.h"

namespace kolvar::plot {

namespace {
// Room for the plot, its axes and the legend; the window placing it may give
// it less on a small screen.
constexpr QSize kFirstSize(900, 520);
}  // namespace

LivePlot::LivePlot(record::RunRecord& record, QWidget* main_window,
                   chart::BackgroundChoice* background)
    : record_(record), window_(std::make_unique<PlotWindow>()) {
  window_->set_live(true);
  if (background) window_->share_background(*background);
  // Asked when needed: the record's file is made after the run's start is told.
  window_->set_under_way([this] { return running_ ? record_.file() : std::filesystem::path(); });
  window_->resize(window_->sizeHint().expandedTo(kFirstSize));
  // Closing the plot hides it; the program ends with its main window.
  window_->setAttribute(Qt::WA_QuitOnClose, false);
  record_.subscribe(*this);
  if (main_window) {
    shortcut_ = std::make_unique<QShortcut>(QKeySequence(Qt::Key_F9), main_window);
    QObject::connect(shortcut_.get(), &QShortcut::activated, window_.get(), [this] { show(); });
  }
}

LivePlot::~LivePlot() {
  record_.unsubscribe(*this);
}

void LivePlot::run_started(const std::vector<std::string>& settings) {
  window_->model().start(settings);
  running_ = true;
  window_->refresh();
}

void LivePlot::sample_taken(const record::Sample& sample) {
  window_->model().add(sample);
  window_->refresh();
}

void LivePlot::run_stopped() {
  window_->model().stop();
  running_ = false;
  window_->refresh();
}

void LivePlot::show() {
  window_->show();
  window_->raise();
}

}  // namespace kolvar::plot
