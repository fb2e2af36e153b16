#pragma once
// A simulated column as the desktop's outside world, whichever toolkit draws
// the windows: the plant is the port and the launcher of the logger's
// program, and the controller runs on the model's clock, whose rate the
// simulator's window sets.
#include <chrono>

#include "desk/desktop.h"
#include "form/scaled_millis.h"
#include "sim/plant.h"

namespace kolvar::desk {

class SimulatedRig {
 public:
  // Needs the plant's settings settled with the working folder's settings
  // file. Unless `cold`, the plant is first brought to the boil on its own
  // (a fraction of a second of work), and the model's clock goes on from the
  // plant's time. Throws kolvar::Failure for settings that describe no rig.
  // `now` reads the steady clock under the model's (a test gives its own).
  SimulatedRig(const sim::PlantSettings& settings, bool cold,
               form::ScaledMillis::Now now = &std::chrono::steady_clock::now);
  SimulatedRig(const SimulatedRig&) = delete;
  SimulatedRig& operator=(const SimulatedRig&) = delete;

  // What the desktop is built with; it acts on the desktop given to bind().
  Desktop::Wiring wiring();
  // The desktop built with wiring(); before it first acts.
  void bind(Desktop& desktop) { desktop_ = &desktop; }

  // Brings the plant to the model's present, but never past a timer that is
  // due and has not run yet: its handler must find the plant at its moment.
  void catch_up();

  sim::Plant& plant() { return plant_; }
  form::ScaledMillis& clock() { return clock_; }

 private:
  sim::Plant plant_;
  form::ScaledMillis clock_;
  Desktop* desktop_ = nullptr;
};

}  // namespace kolvar::desk
