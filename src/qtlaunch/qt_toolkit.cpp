#include "qtlaunch/qt_toolkit.h"

#include <QApplication>

#include "desk/test_seam.h"
#include "plot/live_plot.h"
#include "view/alert_badge.h"
#include "view/quit_signals.h"
#include "view/web_badge.h"

namespace kolvar::qtlaunch {

QtToolkit::QtToolkit(view::Desktop& desktop, view::Companions& beside)
    : desktop_(desktop),
      beside_(beside),
      inbox_(new view::ThreadInbox(QCoreApplication::instance())) {}

std::shared_ptr<void> QtToolkit::show_live_plot(record::RunRecord& record) {
  auto plot = std::make_shared<plot::LivePlot>(record, &desktop_.window());
  beside_.add(plot->window());
  return plot;
}

void QtToolkit::show_web_address(const std::string& url) {
  view::show_web_address(desktop_.window(), QString::fromStdString(url));
}

void QtToolkit::show_alert_button(const std::vector<std::string>& channels,
                                  std::function<void()> test_alert) {
  QStringList names;
  for (const std::string& channel : channels) names << QString::fromStdString(channel);
  view::show_alert_button(desktop_.window(), names, std::move(test_alert));
}

void QtToolkit::show_alert_trouble(const std::string& line) {
  view::show_alert_trouble(desktop_.window(), QString::fromStdString(line));
}

int QtToolkit::run() {
  view::QuitSignals quit([this](int) { desktop_.end(); });
  desktop_.start();
  desk::TestSeam::click_asked(desktop_);
  return QApplication::exec();
}

}  // namespace kolvar::qtlaunch
