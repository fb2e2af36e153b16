#pragma once
// How a role's temperature cell looks when the role is in read error: a rule
// both windows draw alike. The model keeps the colours the cycle's colour
// stage gave T(1) and T(2); the look lies over them only while the error
// lasts, and goes with it.
#include "form/controller.h"

namespace kolvar::desk {

// Bright yellow under dark red text: unlike the cycle's green and pink, the
// grey of a row that takes no part, and the plain tank and cooler cells, and
// seen from a step away.
inline constexpr form::Color kReadErrorBack{255, 212, 0};
inline constexpr form::Color kReadErrorFore{176, 0, 32};

struct Colours {
  form::Color back;
  form::Color fore;
  bool operator==(const Colours&) const = default;
};

// The temperature label T(1..4) of a role in read error (core::role_read_error).
bool shows_read_error(const form::Controller& c, const form::Control& control);

// The colours a window draws the control in: the model's, or the read-error
// look for a role's label in read error.
Colours shown_colours(const form::Controller& c, const form::Control& control);

// Whether a change of this property may change shown_colours: the label's
// text or enabled state decide its read error, as its colours do the rest.
bool changes_look(const form::Control& control, form::Prop prop);

}  // namespace kolvar::desk
