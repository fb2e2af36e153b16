#include "form/virtual_clock.h"

#include "form/control.h"

namespace kolvar::form {

Control* next_due_timer(const std::vector<Control*>& timers, platform::Millis until) {
  Control* next = nullptr;
  for (Control* t : timers) {
    if (!t->on() || t->interval() == 0 || t->due() > until) continue;
    if (!next || t->due() < next->due()) next = t;
  }
  return next;
}

}  // namespace kolvar::form
