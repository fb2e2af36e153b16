#pragma once
// The main window as the desktop sees it, whichever toolkit draws it: what
// the model's changes and the status line come to, the moment it goes on
// screen, and the web page's and the alerts' parts of its status line.
#include <functional>
#include <string>
#include <vector>

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

  // Once the web page serves: "Веб-страница" at the right of the status
  // line, the address (with its token) its tool tip, and a click shows the
  // address with its QR code for a phone.
  virtual void show_web_address(const std::string& url) = 0;
  // The alerts' "Проверить оповещения" in the status line: the channels
  // (never their secrets) its tool tip; a click calls test_alert.
  virtual void show_alert_button(const std::vector<std::string>& channels,
                                 std::function<void()> test_alert) = 0;
  // The one line that tells of a channel that fails, beside it; none when
  // empty. Never a message box: the run goes on whatever a channel does.
  virtual void show_alert_trouble(const std::string& line) = 0;

  // "Журнал…" in the status line, before the parts above: a click calls
  // `edit_note`, which opens the editor of the run's note.
  virtual void show_journal_button(std::function<void()> edit_note) = 0;
};

}  // namespace kolvar::desk
