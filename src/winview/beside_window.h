#pragma once
// What the windows beside the main one (the plot, the simulator's) do alike
// with the system's messages: closing one hides it, since the program ends
// with its main window; a new DPI gives it its scale where the system
// suggests, at the suggested size too if the window is one the operator
// sizes, else at the size its own layout makes.
#include <functional>

#include "winview/win32.h"

namespace kolvar::winview {

enum class SuggestedSize { Taken, Kept };

// True, with *result set, when the message was one of those; set_scale
// takes device pixels per logical pixel.
bool handle_beside_window(HWND hwnd, UINT message, WPARAM w, LPARAM l, SuggestedSize size,
                          const std::function<void(double)>& set_scale, LRESULT* result);

}  // namespace kolvar::winview
