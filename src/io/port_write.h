#pragma once
// The port write: all eight lines of the image in one access, through the
// first port backend or, failing that, the second.
#include "form/controller.h"

namespace kolvar::io {

// Forms the byte from the image and writes it, keeping the driver state and
// the outcome shown on the Controller (form/port_state.h). The image is never changed.
// A bad image element, or a failed write through the second backend, is a
// kolvar::Failure passed to the caller.
void LPT_set(form::Controller& c);

}  // namespace kolvar::io
