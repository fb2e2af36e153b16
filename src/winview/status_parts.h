#pragma once
// The parts of the main window's status line after the port's status, as
// the Qt window has them: "Журнал…" (a click opens the run's note),
// "Веб-страница" once the page serves (its address
// the tool tip), the alerts' trouble while a channel fails, and "Проверить
// оповещения" (the channels its tool tip; a click sends a test alert).
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "winview/win32.h"

namespace kolvar::winview {

class StatusParts {
 public:
  enum Slot { Journal, Web, Trouble, Alerts };
  struct Part {
    std::string text;
    std::string tip;
    std::function<void()> click = {};
  };

  explicit StatusParts(HWND bar) : bar_(bar) {}

  void set(Slot slot, Part part);
  void clear(Slot slot);
  const std::optional<Part>& part(Slot slot) const { return parts_[slot]; }
  // Lays the parts out across the bar, each as wide as its text in `font`
  // and `padding` pixels.
  void place(HFONT font, int padding);
  // For the owner's WM_NOTIFY: true when it was a click on one of the parts.
  bool notified(const NMHDR& note);

 private:
  HWND bar_;
  HFONT font_ = nullptr;
  int padding_ = 0;
  std::array<std::optional<Part>, 4> parts_;
};

}  // namespace kolvar::winview
