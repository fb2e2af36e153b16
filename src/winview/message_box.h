#pragma once
// Message boxes that never stop the controller: each box is a modeless
// window of its own and the call returns at once, so the timers go on while
// it stands; the operator closes each with OK, and several may stand at
// once. Owned by the main window, they stand above it (above all others
// when it is kept on top).
#include <functional>
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

  // Boxes shown from now on are owned by owner (the main window). A box
  // raised while the owner is hidden (during start-up) waits for it, so that
  // it stands above the owner once both are on screen.
  void set_owner(HWND owner) { owner_ = owner; }
  // The owner is on screen now: the boxes that waited for it are shown.
  void owner_shown();
  void show(const std::string& text) override;
  // Told the text of each box as it is shown.
  void on_show(std::function<void(const std::string&)> told) { on_show_ = std::move(told); }

  // Every text shown so far, oldest first (for tests and the test seam).
  const std::vector<std::string>& shown() const { return shown_; }
  // The boxes standing now, oldest first.
  std::vector<HWND> standing() const;

  // The title of every box: the application's own.
  static constexpr const char* kTitle = "Kolvar";

 private:
  HWND owner_ = nullptr;
  std::function<void(const std::string&)> on_show_;
  std::vector<std::string> shown_;
  std::vector<HWND> boxes_;
  std::vector<HWND> waiting_;
};

}  // namespace kolvar::winview
