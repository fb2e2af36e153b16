#include "view/alert_badge.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace kolvar::view {

namespace {

QLabel* trouble_label(const MainWindow& window) {
  return window.findChild<QLabel*>(QStringLiteral("alert_trouble"));
}

}  // namespace

void show_alert_button(MainWindow& window, const QStringList& channels,
                       std::function<void()> test_alert) {
  auto* trouble = new QLabel(&window);
  trouble->setObjectName(QStringLiteral("alert_trouble"));
  trouble->setStyleSheet(QStringLiteral("color: #b00000"));
  trouble->hide();
  window.statusBar()->addPermanentWidget(trouble);
  auto* button = new QToolButton(&window);
  button->setObjectName(QStringLiteral("test_alert"));
  button->setText(QStringLiteral("Проверить оповещения"));
  button->setToolTip(QStringLiteral("Оповещения: ") + channels.join(QStringLiteral("; ")));
  button->setAutoRaise(true);
  window.statusBar()->addPermanentWidget(button);
  QObject::connect(button, &QToolButton::clicked, &window,
                   [test_alert = std::move(test_alert)] { test_alert(); });
}

void show_alert_trouble(MainWindow& window, const QString& line) {
  QLabel* label = trouble_label(window);
  if (!label) return;
  label->setText(line);
  label->setToolTip(line);
  label->setVisible(!line.isEmpty());
}

QString alert_trouble(const MainWindow& window) {
  const QLabel* label = trouble_label(window);
  return label ? label->text() : QString();
}

}  // namespace kolvar::view
