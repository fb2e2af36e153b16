#pragma once
// The lift: a timed movement in either direction. The procedures start it and
// return at once; Timer5 (up) and Timer6 (down) end it.
#include "form/controller.h"

namespace kolvar::io {

// Moves the lift up for `lift_up_def` cm × `lift_speed` ms/cm: Timer5 armed
// with that duration and switched on, the `lu` pins high, the port written.
// A call while moving extends the movement to one full duration from now.
// Travel or speed not a number, or a duration past 65535 ms, is a failure
// before anything changes; a duration of 0 ms moves nothing.
void lift_up(form::Controller& c);

// The same downwards with `lift_down_def`, Timer6 and the `ld` pins.
void lift_down(form::Controller& c);

}  // namespace kolvar::io
