#include "view/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

#include "desk/prop_change.h"
#include "desk/scale_steps.h"
#include "form/names.h"
#include "view/alert_badge.h"
#include "view/qt_text.h"
#include "view/scale_keys.h"
#include "view/scale_memory.h"
#include "view/starting_scale.h"
#include "view/web_badge.h"

namespace kolvar::view {

namespace {

using desk::kPanelPoints;

QFont panel_font(int percent) {
  // DejaVu Sans Condensed keeps the captions within their controls.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(QFont::SemiCondensed);
  font.setPointSizeF(kPanelPoints * percent / 100.0);
  return font;
}

// The menus open in windows of their own, which take the desktop's font
// rather than the window's; they keep it until the window's text grows
// larger.
QFont menu_font(int percent) {
  QFont font = QApplication::font();
  const double points = kPanelPoints * percent / 100.0;
  if (font.pointSizeF() > 0 && font.pointSizeF() < points) font.setPointSizeF(points);
  return font;
}

double dots_per_inch(const QWidget* w) {
  const QScreen* screen = w->screen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

MainWindow::MainWindow(form::Controller& controller, FormView::Act act,
                       std::function<void()> on_close)
    : c_(controller),
      on_close_(std::move(on_close)),
      canvas_(new QWidget(this)),
      status_(new QLabel(this)) {
  setFont(panel_font(desk::kNormalScale));
  setCentralWidget(canvas_);
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(false);
  view_ = std::make_unique<FormView>(controller, canvas_, menuBar(), dots_per_inch(this),
                                     std::move(act));
  const form::Control& form = c_.c(ctl::Form1);
  for (form::Prop p : {form::Prop::Text, form::Prop::TopMost, form::Prop::Width})
    show_form(form, p);
  set_scale(starting_scale(*this, kPanelPoints));
  add_scale_keys(
      this, [this] { return scale_; },
      [this](int percent) {
        set_scale(percent);
        remember_scale(percent);
      });
}

void MainWindow::set_scale(int percent) {
  if (!desk::is_scale_step(percent)) return;
  scale_ = percent;
  setFont(panel_font(percent));
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menu_font(percent));
  view_->rescale(dots_per_inch(this) * percent / 100.0);
  // The status bar keeps its height for its largest text until its layout
  // is asked again, which would otherwise wait for the event loop.
  QEvent relayout(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(statusBar(), &relayout);
  const QSize before = size();
  fit_to_form(c_.c(ctl::Form1));
  keep_on_screen(size() - before);
}

// A window that grows past the screen's edge moves back in, as far as it
// can without leaving at the top or the left.
void MainWindow::keep_on_screen(const QSize& grown_by) {
  const QScreen* screen = this->screen();
  if (!isVisible() || !screen) return;
  const QRect room = screen->availableGeometry();
  QRect frame = frameGeometry();
  frame.setSize(frame.size() + grown_by);
  const int left = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
  const int top = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
  if (left != frame.left() || top != frame.top()) move(left, top);
}

void MainWindow::show_control(const form::Control& control, form::Prop prop) {
  view_->show(control, prop);
}

void MainWindow::set_status(const std::string& text) {
  set_status(QString::fromStdString(text));
}

void MainWindow::show_web_address(const std::string& url) {
  view::show_web_address(*this, QString::fromStdString(url));
}

void MainWindow::show_alert_button(const std::vector<std::string>& channels,
                                   std::function<void()> test_alert) {
  QStringList names;
  for (const std::string& channel : channels) names << QString::fromStdString(channel);
  view::show_alert_button(*this, names, std::move(test_alert));
}

void MainWindow::show_alert_trouble(const std::string& line) {
  view::show_alert_trouble(*this, QString::fromStdString(line));
}

void MainWindow::show_journal_button(std::function<void()> edit_note) {
  auto* button = new QToolButton(this);
  button->setObjectName(QStringLiteral("journal"));
  button->setText(QStringLiteral("Журнал…"));
  button->setToolTip(QStringLiteral("Заметка к запуску: заряд, отборы, мощность, давление"));
  button->setAutoRaise(true);
  statusBar()->addPermanentWidget(button);
  connect(button, &QToolButton::clicked, this, [edit_note = std::move(edit_note)] { edit_note(); });
}

void MainWindow::show_form(const form::Control& form, form::Prop prop) {
  switch (desk::form_change(prop)) {
    case desk::FormChange::Title:
      setWindowTitle(qt_text(form.text()));
      break;
    case desk::FormChange::OnTop: {
      const bool shown = isVisible();
      setWindowFlag(Qt::WindowStaysOnTopHint, form.topmost());
      if (shown) show();  // changing the flags hides a window
      break;
    }
    case desk::FormChange::Size:
      fit_to_form(form);
      break;
    // The window keeps the style's background rather than the form's colour.
    case desk::FormChange::Colours:
    case desk::FormChange::None:
      break;
  }
}

// The form's size is the window's size inside the window manager's frame,
// menu bar included; the status line adds its own height underneath. The
// operator does not resize: panels beyond the form's size stay out of sight.
void MainWindow::fit_to_form(const form::Control& form) {
  const int width = view_->px(form.width());
  const int height = view_->px(form.height()) + statusBar()->sizeHint().height();
  setFixedSize(width, height);
}

void MainWindow::set_status(const QString& text) {
  if (status_->text() != text) status_->setText(text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (on_close_) on_close_();
  event->accept();
}

}  // namespace kolvar::view
