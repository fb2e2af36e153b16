#pragma once
// A vertical scroll bar of the model names the value at its top end first:
// V(1) runs from 1000 at the top to 200 at the bottom, so moving the thumb up
// raises it. A toolkit's vertical bar (Qt's, Win32's) always has its minimum
// at the top, so such a bar is shown negated.
#include "form/control.h"

namespace kolvar::desk {

// The toolkit bar's position for a model value, and back.
int bar_position(const form::Control& bar, int model_value);
int model_value(const form::Control& bar, int position);
// The toolkit bar's range, minimum first.
int bar_minimum(const form::Control& bar);
int bar_maximum(const form::Control& bar);

}  // namespace kolvar::desk
