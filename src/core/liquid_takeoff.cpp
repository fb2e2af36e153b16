// Liquid take-off: a two-state controller. While the column is over its
// threshold the valve is closed and the lift driven up (less take-off);
// otherwise the valve is opened and the lift driven down.
#include "core/column_tests.h"
#include "core/cycle_steps.h"
#include "core/wait_gate.h"
#include "io/lift.h"
#include "io/valve.h"

namespace kolvar::core {

namespace {

// The lift moves at once, or with the waiting option when `wait` runs out;
// the counter is reloaded only after the move was started.
void move_lift(form::Controller& c, void (*move)(form::Controller&)) {
  const Gate gate = wait_gate(c);
  if (gate == Gate::Waiting) return;
  move(c);
  if (gate == Gate::Due) reload_wait(c);
}

}  // namespace

Flow liquid_auto_step(form::Controller& c) {
  c.c(ctl::News).set_text(role_status_text(c));
  // The valve is switched in every step, even when its state does not change,
  // so the port and the panel are rewritten each cycle.
  if (column_over(c)) {
    io::otkl(c);
    move_lift(c, io::lift_up);
  } else {
    io::vkl(c);
    move_lift(c, io::lift_down);
  }
  return Flow::Next;
}

}  // namespace kolvar::core
