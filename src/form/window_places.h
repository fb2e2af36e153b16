#pragma once
#include "form/form.h"

namespace kolvar::form {

// Gives every visible control of the window its place and size in twips,
// relative to the frame that holds it. Frames place themselves when declared.
void place_controls(Form& form);

}  // namespace kolvar::form
