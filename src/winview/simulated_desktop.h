#pragma once
// The Windows desktop window on a simulated column: the rig's desktop with
// the simulator's Win32 window beside the main one.
#include <memory>

#include "desk/simulated_rig.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/sim_window.h"

namespace kolvar::winview {

class SimulatedDesktop {
 public:
  // As desk::SimulatedRig; the windows are made hidden.
  SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                   form::ScaledMillis::Now now = &std::chrono::steady_clock::now);
  ~SimulatedDesktop();

  // Shows the main window, and the simulator's beside it.
  void start() { desktop_.start(); }

  Desktop& desktop() { return desktop_; }
  desk::SimulatedRig& rig() { return rig_; }
  SimWindow& sim_window() { return *window_; }
  // The windows beside the main one, the simulator's first.
  Companions& companions() { return *companions_; }

 private:
  desk::SimulatedRig rig_;
  Desktop desktop_;
  std::unique_ptr<SimWindow> window_;
  std::unique_ptr<Companions> companions_;
};

}  // namespace kolvar::winview
