#pragma once
// The desktop program's world: the controller on real time, with the
// window, the platform's services and the loop that runs the timers.
#include <functional>
#include <memory>

#include "desk/desktop_wiring.h"
#include "form/controller.h"
#include "form/real_time_driver.h"
#include "form/scaled_millis.h"
#include "platform/ports/default_ports.h"
#include "platform/processes/posix_launcher.h"
#include "view/main_window.h"
#include "view/message_box.h"
#include "view/qt_locale.h"
#include "view/qt_sound.h"
#include "view/real_time_loop.h"

namespace kolvar::view {

class Desktop {
 public:
  using Wiring = desk::DesktopWiring;

  // Needs a QApplication. Builds the window from the initial model.
  explicit Desktop(Wiring wiring);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  ~Desktop();

  // Program start: the window is created and loaded, then shown, and the
  // timers run on real time.
  void start();
  // The process is going away (the window closed, a quit signal). The port
  // keeps what it was last given, so a running cycle first gets the
  // operator's system stop, which leaves the column in its stop image.
  void end();

  // Runs operator input through the controller, then brings the status line
  // and the next wake-up up to date. A refused input (not a number for a
  // scroll bar) changes nothing.
  void act(const std::function<void()>& input);

  form::Controller& controller() { return controller_; }
  form::RealTimeDriver& driver() { return driver_; }
  MainWindow& window() { return *window_; }
  const platform::Clock& clock() const { return clock_; }
  // The steady clock's scale that the timers run on (unless a test gave its own).
  const form::SteadyMillis& steady() const { return steady_; }

 private:
  void after_event();

  form::SteadyMillis steady_;
  form::ScaledMillis* scaled_;
  std::function<void(platform::Millis)> before_;
  form::RealTimeClock clock_;
  platform::DefaultPorts ports_;
  NonBlockingMessageBox message_box_;
  QtSound sound_;
  platform::PosixLauncher launcher_;
  QtLocale locale_;
  platform::Services services_;
  form::Controller controller_;
  form::RealTimeDriver driver_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<RealTimeLoop> loop_;
  bool ended_ = false;
};

}  // namespace kolvar::view
