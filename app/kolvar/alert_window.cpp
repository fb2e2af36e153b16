#include "alert_window.h"

#include <QCoreApplication>
#include <QPointer>
#include <iostream>

#include "desk/port_status.h"
#include "remote/alert_plan.h"
#include "view/alert_badge.h"
#include "view/thread_inbox.h"

namespace kolvar::app {

std::unique_ptr<remote::LiveAlerts> open_alerts(view::Desktop& desktop,
                                                const remote::AlertCommandLine& command_line,
                                                const platform::WallClock& wall, int& exit_status) {
  exit_status = 0;
  remote::AlertSettings settings;
  try {
    settings = remote::plan_alerts(command_line);
    if (command_line.test_alert && !settings.any())
      throw remote::AlertRefusal(
          "--test-alert: no channel is set (--push, --webhook, --telegram, --mqtt or "
          "kolvar-web.conf)");
  } catch (const remote::AlertRefusal& refusal) {
    if (command_line.any() || command_line.test_alert) {
      std::cerr << "kolvar: " << refusal.what() << '\n';
      exit_status = 2;
    } else if (!refusal.file_wrong()) {
      // A wrong file was told once already, by the web page's plan.
      desktop.controller().os.message_box.show(refusal.what());
    }
    return nullptr;
  }
  if (!settings.any()) return nullptr;
  QPointer<view::MainWindow> window(&desktop.window());
  auto* inbox = new view::ThreadInbox(QCoreApplication::instance());
  auto alerts = std::make_unique<remote::LiveAlerts>(
      desktop.controller(), settings, wall, desk::port_status,
      [window, inbox](const std::string& line) {
        // From the delivery thread into the window's own.
        inbox->post([window, text = QString::fromStdString(line)] {
          if (window) view::show_alert_trouble(*window, text);
        });
      });
  QStringList channels;
  for (const std::string& channel : alerts->channels()) {
    std::cout << "alerts: " << channel << '\n';
    channels << QString::fromStdString(channel);
  }
  std::cout << std::flush;
  remote::LiveAlerts& live = *alerts;
  view::show_alert_button(desktop.window(), channels, [&live] { live.test_alert(); });
  if (command_line.test_alert) live.test_alert();
  return alerts;
}

}  // namespace kolvar::app
