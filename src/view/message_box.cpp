#include "view/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "view/qt_text.h"

namespace kolvar::view {

void NonBlockingMessageBox::show(const std::string& text) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                              qt_text(text), QMessageBox::Ok, owner_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->setObjectName("kolvar-message");
  box->show();
}

}  // namespace kolvar::view
