#pragma once
// Where a small window that belongs to another (a note, a code to scan)
// opens: over the middle of its owner, but whole on the owner's screen, since
// the main window often stands at the screen's edge.
#include "winview/win32.h"

namespace kolvar::winview {

// The place of a window `width` by `height` device pixels, outer frame
// included: centred over `owner`, then moved onto the work area of the
// monitor nearest it (its left and top edges kept when it is the larger).
RECT centred_over(HWND owner, int width, int height);

}  // namespace kolvar::winview
