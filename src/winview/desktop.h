#pragma once
// The Windows desktop program's world: the controller on real time, with the
// window, the platform's services and the wake-ups that run the timers in
// the Win32 message loop.
#include <functional>
#include <memory>
#include <vector>

#include "desk/desktop_wiring.h"
#include "form/controller.h"
#include "form/real_time_driver.h"
#include "form/scaled_millis.h"
#include "platform/ports/default_ports.h"
#include "platform/processes/windows_launcher.h"
#include "winview/checked_sound.h"
#include "winview/main_window.h"
#include "winview/message_box.h"
#include "winview/message_loop.h"
#include "winview/real_time_loop.h"
#include "winview/timer_resolution.h"
#include "winview/win_locale.h"

namespace kolvar::winview {

class Desktop {
 public:
  using Wiring = desk::DesktopWiring;

  // Builds the window, hidden, from the initial model.
  explicit Desktop(Wiring wiring);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  ~Desktop();

  // Program start: the window is created and loaded, then shown, and the
  // timers run on real time.
  void start();
  // The process is going away (the window closed, the session ending, a
  // console's Ctrl+C). The port keeps what it was last given, so a running
  // cycle first gets the operator's system stop, which leaves the column in
  // its stop image; then the message loop is told to end.
  void end();
  bool ended() const { return ended_; }

  // Runs operator input through the controller, then brings the status line
  // and the next wake-up up to date. A refused input (not a number for a
  // scroll bar) changes nothing.
  void act(const std::function<void()>& input);

  // What the message loop waits on for this desktop: the timers' alarm.
  std::vector<Watch> watches();

  form::Controller& controller() { return controller_; }
  form::RealTimeDriver& driver() { return driver_; }
  MainWindow& window() { return *window_; }
  NonBlockingMessageBox& message_box() { return message_box_; }
  const platform::Clock& clock() const { return clock_; }
  // The steady clock's scale that the timers run on (unless a test gave its own).
  const form::SteadyMillis& steady() const { return steady_; }
  // Whether the system's timers run at 1 ms now (while the cycle runs).
  bool fine_timers() const { return resolution_.fine(); }

 private:
  void after_event();

  form::SteadyMillis steady_;
  form::ScaledMillis* scaled_;
  std::function<void(platform::Millis)> before_;
  form::RealTimeClock clock_;
  platform::DefaultPorts ports_;
  NonBlockingMessageBox message_box_;
  CheckedSound sound_;
  platform::WindowsLauncher launcher_;
  WinLocale locale_;
  platform::Services services_;
  form::Controller controller_;
  form::RealTimeDriver driver_;
  TimerResolution resolution_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<RealTimeLoop> loop_;
  bool ended_ = false;
};

}  // namespace kolvar::winview
