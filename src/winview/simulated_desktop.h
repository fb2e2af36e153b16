#pragma once
// The Windows desktop on a simulated column: the controller on the model's
// clock, whose rate the simulator's window sets, with the plant as its port
// and as the launcher of the logger's program, and the simulator's window
// beside the main one.
#include <chrono>
#include <memory>

#include "form/scaled_millis.h"
#include "sim/plant.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/sim_window.h"

namespace kolvar::winview {

class SimulatedDesktop {
 public:
  // Needs the plant's settings settled with the working folder's settings
  // file. Unless `cold`, the plant is first brought to the boil on its own
  // (a fraction of a second of work), and the model's clock goes on from the
  // plant's time. Throws kolvar::Failure for settings that describe no rig.
  // `now` reads the steady clock under the model's (a test gives its own).
  SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                   form::ScaledMillis::Now now = &std::chrono::steady_clock::now);
  SimulatedDesktop(const SimulatedDesktop&) = delete;
  SimulatedDesktop& operator=(const SimulatedDesktop&) = delete;
  ~SimulatedDesktop();

  // Shows the main window; the simulator's follows beside it.
  void start();

  Desktop& desktop() { return desktop_; }
  SimWindow& sim_window() { return *window_; }
  // The windows beside the main one, the simulator's first; a window added
  // here (the plot) goes beside it.
  Companions& companions() { return *companions_; }
  sim::Plant& plant() { return plant_; }
  form::ScaledMillis& clock() { return clock_; }

  // Brings the plant to the model's present, but never past a timer that is
  // due and has not run yet: its handler must find the plant at its moment.
  void catch_up();

 private:
  Desktop::Wiring wiring();

  sim::Plant plant_;
  form::ScaledMillis clock_;
  Desktop desktop_;
  std::unique_ptr<SimWindow> window_;
  std::unique_ptr<Companions> companions_;
};

}  // namespace kolvar::winview
