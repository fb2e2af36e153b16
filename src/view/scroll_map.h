#pragma once
// A vertical scroll bar of the model names the value at its top end first:
// V(1) runs from 1000 at the top to 200 at the bottom, so moving the thumb up
// raises it. Qt's vertical bar always has its minimum at the top, so such a
// bar is shown negated.
#include "form/control.h"

namespace kolvar::view {

int qt_value(const form::Control& bar, int model_value);
int model_value(const form::Control& bar, int qt_value);
// The Qt range, minimum first.
int qt_minimum(const form::Control& bar);
int qt_maximum(const form::Control& bar);

}  // namespace kolvar::view
