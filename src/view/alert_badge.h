#pragma once
// The alerts in the window: a small "test alert" button at the right of the
// status line, whose tool tip names the channels (never their secrets), and
// beside it the one line that tells of a channel that fails; never a
// message box, since the run goes on whatever the channel does.
#include <QString>
#include <QStringList>
#include <functional>

#include "view/main_window.h"

namespace kolvar::view {

// Adds the button; a click calls `test_alert` on the window's thread.
void show_alert_button(MainWindow& window, const QStringList& channels,
                       std::function<void()> test_alert);
// Shows `line` in the status line, or takes it away when empty.
void show_alert_trouble(MainWindow& window, const QString& line);
// What the status line says of the alerts now; empty when nothing fails.
QString alert_trouble(const MainWindow& window);

}  // namespace kolvar::view
