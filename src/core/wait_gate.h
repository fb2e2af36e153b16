#pragma once
// The waiting option shared by all three take-off types: with `wait_ch` ticked,
// a lift move or a change of delay or share is made only once every
// `wait_def` + 1 cycles that ask for one. One counter, `wait`, serves every
// direction: a change of direction does not restart it.
#include "form/controller.h"

namespace kolvar::core {

enum class Gate {
  Off,      // no waiting option: change now, `wait` untouched
  Waiting,  // cycles are left: one was counted off, no change now
  Due,      // `wait` reads 0: change now and reload it from `wait_def`
};

// Decides, and counts `wait` down when cycles are left. `wait` is tested by
// its leading number (an empty text reads 0); counting down a text that holds
// no whole number is a failure. A negative count never reads 0 again, so it
// keeps every change back until the counter is set anew.
Gate wait_gate(form::Controller& c);

// `wait` := the text of `wait_def`, copied as it stands.
void reload_wait(form::Controller& c);

}  // namespace kolvar::core
