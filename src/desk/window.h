#pragma once
// The main window as the desktop sees it, whichever toolkit draws it: what
// the model's changes and the status line come to, and the moment it goes
// on screen.
#include <string>

#include "form/control.h"

namespace kolvar::desk {

class Window {
 public:
  virtual ~Window() = default;

  // A property of the form itself changed (its caption, size, staying on top).
  virtual void show_form(const form::Control& form, form::Prop prop) = 0;
  // A property of one of its controls changed.
  virtual void show_control(const form::Control& control, form::Prop prop) = 0;
  // The line under the form that tells where the outputs go.
  virtual void set_status(const std::string& text) = 0;
  // Puts the window, loaded, on screen.
  virtual void open() = 0;
};

}  // namespace kolvar::desk
