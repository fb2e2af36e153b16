#pragma once
// Real time for the desktop window: the model's timers run on the monotonic
// clock, through the same scheduler that virtual time uses. The event loop
// that sleeps belongs to the toolkit; this part only says when to wake and
// what to run then, so its rules are tested without sleeping.
#include <chrono>
#include <functional>
#include <optional>

#include "form/controller.h"
#include "platform/time/clock.h"
#include "platform/time/manual_clock.h"

namespace kolvar::form {

// Milliseconds of std::chrono::steady_clock since the moment it was made: a
// change of the wall clock (NTP, summer time) never moves it.
class SteadyMillis {
 public:
  SteadyMillis() : origin_(std::chrono::steady_clock::now()) {}
  platform::Millis operator()() const;
  // The steady_clock moment of a time on this scale, for a toolkit to wait for.
  std::chrono::steady_clock::time_point at(platform::Millis t) const {
    return origin_ + std::chrono::milliseconds(t);
  }

 private:
  std::chrono::steady_clock::time_point origin_;
};

// The model's clock on real time. It reads the monotonic source, except while
// the driver runs timers: a handler then sees the moment its timer was due,
// as on virtual time, so a period it starts counts from there and edges do
// not drift by the time the loop took to wake.
class RealTimeClock : public platform::Clock {
 public:
  using Source = std::function<platform::Millis()>;
  explicit RealTimeClock(Source monotonic) : source_(std::move(monotonic)) {}

  platform::Millis now() const override { return scheduling_ ? scheduled_.now() : source_(); }
  platform::Millis monotonic() const { return source_(); }

 private:
  friend class RealTimeDriver;
  Source source_;
  platform::ManualClock scheduled_;
  bool scheduling_ = false;
};

class RealTimeDriver {
 public:
  // Told the due time of each group of timers before their handlers run, so
  // that a simulated outside world can first be brought to that moment.
  using BeforeTimers = std::function<void(platform::Millis)>;

  // The controller's services must use this clock.
  RealTimeDriver(Controller& controller, RealTimeClock& clock, BeforeTimers before = {})
      : controller_(controller), clock_(clock), before_(std::move(before)) {}

  // When the earliest running timer is due (possibly already past); nullopt
  // when no timer will fire, so the loop may sleep until an operator event.
  std::optional<platform::Millis> next_due() const;

  // Runs every timer due up to now, in order of due time, ties in the form's
  // order. A timer that missed a whole period or more (the machine was
  // suspended, a debugger held it) fires once, now, and counts its next
  // period from now: catching up period by period would replay minutes of
  // regulation in an instant.
  void run_due();

 private:
  Controller& controller_;
  RealTimeClock& clock_;
  BeforeTimers before_;
};

}  // namespace kolvar::form
