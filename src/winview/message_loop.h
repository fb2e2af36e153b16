#pragma once
// The Win32 message loop of the desktop programs. Besides the windows'
// messages it waits on handles that turn signalled (the timers' alarm, quit
// requests from a console): one wait for both, so nothing polls, and an idle
// window costs nothing between wake-ups.
#include <functional>
#include <vector>

#include "platform/time/wait_handle.h"

namespace kolvar::winview {

// A handle the loop waits on, and what runs in the loop when it is signalled.
struct Watch {
  platform::WaitHandle handle = 0;
  std::function<void()> ready;
};

// Runs until WM_QUIT and returns its exit code. The watches are read anew on
// each turn through `watches`, so one may come or go while the loop runs.
int run_message_loop(const std::function<std::vector<Watch>()>& watches);

// Handles every message and signalled handle waiting now, without waiting
// for more (for tests and for a caller that runs its own loop). False once
// WM_QUIT was seen.
bool pump_waiting(const std::vector<Watch>& watches);

}  // namespace kolvar::winview
