#pragma once
// The windows of this view's own classes. A panel holds controls: the canvas
// under the menu bar, and each frame of the form, which paints its
// background, border and caption itself so that a frame in front hides the
// ones behind it (a Win32 group box is transparent). Both pass their
// controls' notifications up to the top window. The indicator is a filled
// rectangle in its back colour.
#include "winview/win32.h"

namespace kolvar::winview {

enum class PanelKind { Canvas, Frame };

// A child of parent with the given id; the panel's colour is its back
// colour, set with set_panel_color.
HWND create_panel(HWND parent, PanelKind kind, UINT id);
HWND create_indicator(HWND parent, UINT id);
void set_panel_color(HWND panel, COLORREF back, COLORREF fore);
// The font a frame's caption is drawn in.
void set_panel_font(HWND panel, HFONT font);

}  // namespace kolvar::winview
