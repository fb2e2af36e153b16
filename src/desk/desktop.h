#pragma once
// The desktop program's world, whichever toolkit draws its window: the
// controller on real time over the platform's services, the wake-ups that run
// its timers, and the routing of the model's changes to the window. A toolkit
// lends what only it has (message boxes, the stop sound, the launcher of the
// logger's program, the locale, the end of its event loop) and gives the
// window once it has made it from the controller's initial model.
#include <functional>
#include <memory>

#include "desk/desktop_wiring.h"
#include "desk/real_time_loop.h"
#include "desk/window.h"
#include "form/controller.h"
#include "form/real_time_driver.h"
#include "form/scaled_millis.h"
#include "platform/ports/default_ports.h"
#include "platform/services.h"

namespace kolvar::desk {

struct Toolkit {
  platform::MessageBox& message_box;
  platform::Sound& sound;
  // The platform's own; a simulated column's wiring brings its own instead.
  platform::Launcher& launcher;
  platform::Locale& locale;
  // Ends the toolkit's event loop.
  std::function<void()> quit;
  // Told once the window is on screen at start (boxes raised before it may
  // now stand above it).
  std::function<void()> opened = {};
};

class Desktop {
 public:
  using Wiring = DesktopWiring;

  Desktop(Wiring wiring, Toolkit toolkit);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  ~Desktop();

  // The window the model's changes go to from now on; before start.
  void attach(Window& window);
  // Program start: the window is created and loaded, then shown, and the
  // timers run on real time.
  void start();
  // The process is going away (the window closed, the session ending, a
  // quit signal or a console's Ctrl+C). The port keeps what it was last
  // given, so a running cycle first gets the operator's system stop, which
  // leaves the column in its stop image; then the event loop is told to end.
  void end();
  bool ended() const { return ended_; }

  // Runs operator input through the controller, then brings the status line
  // and the next wake-up up to date. A refused input (not a number for a
  // scroll bar) changes nothing.
  void act(const std::function<void()>& input);

  // Told whenever the control cycle's timer starts or stops.
  void on_cycle_switched(std::function<void(bool running)> told) { on_cycle_ = std::move(told); }

  form::Controller& controller() { return controller_; }
  // The window given to attach().
  Window& screen() { return *window_; }
  form::RealTimeDriver& driver() { return driver_; }
  RealTimeLoop& loop() { return loop_; }
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
  platform::Services services_;
  form::Controller controller_;
  form::RealTimeDriver driver_;
  RealTimeLoop loop_;
  std::function<void()> quit_;
  std::function<void()> opened_;
  Window* window_ = nullptr;
  std::function<void(bool)> on_cycle_;
  bool ended_ = false;
};

}  // namespace kolvar::desk
