#pragma once
// Message boxes that never stop the controller: each box is shown and the
// call returns at once, so the timers go on while it stands; the operator
// closes each with OK, and several may stand at once.
#include <QPointer>
#include <QWidget>

#include "platform/services.h"

namespace kolvar::view {

class NonBlockingMessageBox : public platform::MessageBox {
 public:
  // Boxes stay in front of owner (the main window) once it is set; a box
  // raised before the owner is on screen waits for it.
  void set_owner(QWidget* owner) { owner_ = owner; }
  void show(const std::string& text) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace kolvar::view
