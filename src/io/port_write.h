#pragma once
// The port write: all eight lines of the image in one access, through the
// first port backend or, failing that, the second.
#include "form/controller.h"

namespace kolvar::io {

// PortDriverState values (Controller::port_driver_state).
inline constexpr int kFirstBackend = 1;   // the last write went through the first backend
inline constexpr int kSecondBackend = 2;  // the first failed; writes go through the second
inline constexpr int kNoBackend = 3;      // neither could be used; nothing was written

// Outcomes of a failed first backend (Controller::port_outcome_shown).
inline constexpr int kOutcomeFallBack = 1;  // (a) the second backend takes over
inline constexpr int kOutcomeRefused = 2;   // (b) the second is there but refuses
inline constexpr int kOutcomeMissing = 3;   // (c) the second is not there at all

// Forms the byte from the image and writes it. The image is never changed.
// A bad image element, or a failed write through the second backend, is a
// kolvar::Failure passed to the caller.
void LPT_set(form::Controller& c);

}  // namespace kolvar::io
