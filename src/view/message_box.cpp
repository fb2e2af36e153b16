#include "view/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWindow>

#include "view/qt_text.h"

namespace kolvar::view {

void NonBlockingMessageBox::show(const std::string& text) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                              qt_text(text), QMessageBox::Ok, owner_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->setObjectName("kolvar-message");
  if (owner_) {
    // A box raised during start-up comes before the main window is shown;
    // Qt would then make it transient for a hidden window of its own, and a
    // window manager would have no reason to keep it above ours. So the
    // owner gets its native window now and the box names it. Above an
    // always-on-top window a box must be on top too, or without a window
    // manager it lies hidden behind it.
    QWidget* top = owner_->window();
    top->winId();
    box->setWindowFlag(Qt::WindowStaysOnTopHint,
                       top->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    box->winId();
    box->windowHandle()->setTransientParent(top->windowHandle());
  }
  box->show();
}

}  // namespace kolvar::view
