#pragma once
// The Windows desktop program's world: the toolkit-free desktop with Win32's
// message boxes, sound and locale, its window, and the system's timers made
// fine while the control cycle runs.
#include <memory>
#include <vector>

#include "desk/desktop.h"
#include "platform/processes/windows_launcher.h"
#include "winview/checked_sound.h"
#include "winview/main_window.h"
#include "winview/message_box.h"
#include "winview/message_loop.h"
#include "winview/timer_resolution.h"
#include "winview/win_locale.h"

namespace kolvar::winview {

// What Win32 lends the desktop; made before it, so that it outlives it.
struct Win32Services {
  NonBlockingMessageBox message_box;
  CheckedSound sound;
  platform::WindowsLauncher launcher;
  WinLocale locale;
  TimerResolution resolution;
};

class Desktop : private Win32Services, public desk::Desktop {
 public:
  // Builds the window, hidden, from the initial model.
  explicit Desktop(Wiring wiring);

  // What the message loop waits on for this desktop: the timers' alarm.
  std::vector<Watch> watches();

  MainWindow& window() { return *window_; }
  NonBlockingMessageBox& message_box() { return Win32Services::message_box; }
  // Whether the system's timers run at 1 ms now (while the cycle runs).
  bool fine_timers() const { return resolution.fine(); }

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace kolvar::winview
