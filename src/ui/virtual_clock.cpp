#include "ui/virtual_clock.h"

#include "ui/control.h"

namespace kolvar::ui {

Control* next_due_timer(const std::vector<Control*>& timers, platform::Millis until) {
  Control* next = nullptr;
  for (Control* t : timers) {
    if (!t->on() || t->interval() == 0 || t->due() > until) continue;
    if (!next || t->due() < next->due()) next = t;
  }
  return next;
}

}  // namespace kolvar::ui
