#include "view/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "view/on_screen.h"
#include "view/qt_text.h"

namespace kolvar::view {

namespace {

// Above an always-on-top window a box must be on top too. Shown once its
// owner has its native window, the box names that window as its owner (Qt
// makes a window transient for its native parent), so that a window manager
// keeps it above. (Asking for the box's native window earlier would make
// every child widget of the owner native as well.)
void show_owned(QMessageBox* box, QWidget* top) {
  box->setWindowFlag(Qt::WindowStaysOnTopHint,
                     top->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  box->show();
}

}  // namespace

void NonBlockingMessageBox::show(const std::string& text) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                              qt_text(text), QMessageBox::Ok, owner_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->setObjectName("kolvar-message");
  if (!owner_) {
    box->show();
    return;
  }
  QWidget* top = owner_->window();
  if (top->isVisible()) {
    show_owned(box, top);
    return;
  }
  // A box raised during start-up comes before the main window is shown. Qt
  // would make it transient for a hidden window of its own; and named as its
  // owner then, the main window would soon get another native window when
  // start-up puts it on top. It would also stand where the main window was
  // before the window manager placed it. So it waits until the main window
  // is on screen.
  when_on_screen(*top, *box, [box, top] { show_owned(box, top); });
}

}  // namespace kolvar::view
