#include "plot/live_plot.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace kolvar::plot {

LivePlot::LivePlot(record::RunRecord& record, QWidget* main_window)
    : record_(record), window_(std::make_unique<PlotWindow>()), main_window_(main_window) {
  window_->set_live(true);
  // Closing the plot hides it; the program ends with its main window.
  window_->setAttribute(Qt::WA_QuitOnClose, false);
  record_.subscribe(*this);
  if (main_window_) {
    shortcut_ = std::make_unique<QShortcut>(QKeySequence(Qt::Key_F9), main_window_);
    QObject::connect(shortcut_.get(), &QShortcut::activated, window_.get(), [this] { show(); });
  }
  QTimer::singleShot(0, window_.get(), [this] { show(); });
}

LivePlot::~LivePlot() {
  record_.unsubscribe(*this);
}

void LivePlot::run_started(const std::vector<std::string>& settings) {
  window_->model().start(settings);
  window_->refresh();
}

void LivePlot::sample_taken(const record::Sample& sample) {
  window_->model().add(sample);
  window_->refresh();
}

void LivePlot::run_stopped() {
  window_->model().stop();
  window_->refresh();
}

void LivePlot::show() {
  if (!placed_) place();
  window_->show();
  window_->raise();
}

// To the right of the main window (or the neighbour given) if the screen has
// room there, else to its left, else under both; always within the screen.
void LivePlot::place() {
  placed_ = true;
  window_->resize(window_->sizeHint().expandedTo(QSize(900, 520)));
  QWidget* anchor = neighbour_ ? neighbour_ : main_window_;
  if (!anchor) return;
  const QRect main = anchor->frameGeometry();
  QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  QSize size = window_->size().boundedTo(room.size() - QSize(16, 40));
  window_->resize(size);
  constexpr int kGap = 8;
  QPoint at(main.right() + kGap, main.top());
  if (at.x() + size.width() > room.right()) at.setX(main.left() - kGap - size.width());
  if (at.x() < room.left()) {
    // Under the windows: the lower edge of the plot may then hide the
    // bottom of theirs on a small screen, never their tops.
    const QRect below = main_window_ ? main_window_->frameGeometry().united(main) : main;
    at = QPoint(below.left(), below.bottom() + kGap);
  }
  at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - size.width())));
  at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - size.height() - 30)));
  window_->move(at);
}

}  // namespace kolvar::plot
