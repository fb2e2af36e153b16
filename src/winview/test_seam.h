#pragma once
// The Win32 window's side of the test seams (desk/test_seam.h): the first
// paint and each message box, printed where the seam asks.
#include "desk/test_seam.h"
#include "winview/desktop.h"

namespace kolvar::winview {

void print_first_paint_and_boxes(Desktop& desktop);

}  // namespace kolvar::winview
