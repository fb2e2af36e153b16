#pragma once
// What a desktop window's program is wired to, whichever toolkit draws it:
// the port backends, the clock the timers run on, and for a simulated column
// its launcher, its clock at a rate the user may change and what brings the
// plant to a moment before the controller acts at it.
#include <functional>

#include "form/real_time_driver.h"
#include "form/scaled_millis.h"
#include "platform/ports/default_ports.h"
#include "platform/services.h"

namespace kolvar::desk {

// The ports are the platform's own unless a test gives others; the monotonic
// source is the steady clock unless a test gives one, which then also drives
// the timers itself (the wake-ups follow the steady clock).
struct DesktopWiring {
  // Makes the two port backends, given the clock that stamps events.
  std::function<platform::DefaultPorts(const platform::Clock&)> ports;
  form::RealTimeClock::Source monotonic;
  // A simulated column's: the launcher that answers the logger's program
  // (the platform's own when null); the model's clock at a rate the user
  // may change, which the timers' wake-ups then follow (the steady clock
  // when null); and what brings the outside world to a moment of the model
  // before the timers' handlers or an operator input act at it.
  platform::Launcher* launcher = nullptr;
  form::ScaledMillis* scaled = nullptr;
  std::function<void(platform::Millis)> before = {};
};

// The source the desktop's clock reads: a test's own, else the simulated
// column's scaled clock, else the steady clock. Takes a test's source over.
form::RealTimeClock::Source monotonic_source(DesktopWiring& wiring,
                                             const form::SteadyMillis& steady);

}  // namespace kolvar::desk
