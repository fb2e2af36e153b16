#include "view/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "form/names.h"
#include "view/qt_text.h"

namespace kolvar::view {

namespace {

// The panels were drawn for a small, narrow system font; DejaVu Sans
// Condensed at 8 points keeps their captions within their controls.
QFont panel_font() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(QFont::SemiCondensed);
  font.setPointSize(8);
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
  setFont(panel_font());
  setCentralWidget(canvas_);
  statusBar()->addWidget(status_, 1);
  statusBar()->setSizeGripEnabled(false);
  view_ = std::make_unique<FormView>(controller, canvas_, menuBar(), dots_per_inch(this),
                                     std::move(act));
  const form::Control& form = c_.c(ctl::Form1);
  for (form::Prop p : {form::Prop::Text, form::Prop::TopMost, form::Prop::Width})
    show_form(form, p);
}

void MainWindow::show_form(const form::Control& form, form::Prop prop) {
  switch (prop) {
    case form::Prop::Text:
      setWindowTitle(qt_text(form.text()));
      break;
    case form::Prop::TopMost: {
      const bool shown = isVisible();
      setWindowFlag(Qt::WindowStaysOnTopHint, form.topmost());
      if (shown) show();  // changing the flags hides a window
      break;
    }
    case form::Prop::Width:
    case form::Prop::Height:
      fit_to_form(form);
      break;
    default:
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
