#pragma once
// Message boxes that never stop the controller: each box is a modeless
// window of its own and the call returns at once, so the timers go on while
// it stands; the operator closes each with OK, and several may stand at
// once. Owned by the main window, they stand above it (above all others
// when it is kept on top).
#include <string>
#include <vector>

#include "platform/services.h"
#include "winview/win32.h"

namespace kolvar::winview {

class NonBlockingMessageBox : public platform::MessageBox {
 public:
  NonBlockingMessageBox() = default;
  ~NonBlockingMessageBox() override;
  NonBlockingMessageBox(const NonBlockingMessageBox&) = delete;
  NonBlockingMessageBox& operator=(const NonBlockingMessageBox&) = delete;

  // Boxes shown from now on are owned by owner (the main window).
  void set_owner(HWND owner) { owner_ = owner; }
  void show(const std::string& text) override;

  // Every text shown so far, oldest first (for tests and the test seam).
  const std::vector<std::string>& shown() const { return shown_; }
  // The boxes standing now, oldest first.
  std::vector<HWND> standing() const;

  // The title of every box: the application's own.
  static constexpr const char* kTitle = "Kolvar";

 private:
  HWND owner_ = nullptr;
  std::vector<std::string> shown_;
  std::vector<HWND> boxes_;
};

}  // namespace kolvar::winview
