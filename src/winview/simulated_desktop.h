#pragma once
// kolvar-sim's windows in Win32 over one simulated rig: the main window's
// desktop on the rig, and the simulator's own window, which the companions
// keep beside the main one. Both are made hidden; start() shows them.
#include <memory>

#include "desk/simulated_rig.h"
#include "winview/companions.h"
#include "winview/desktop.h"
#include "winview/sim_window.h"

namespace kolvar::winview {

class SimulatedDesktop {
 public:
  SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                   form::ScaledMillis::Now now = &std::chrono::steady_clock::now);
  ~SimulatedDesktop();

  void start() { desktop_.start(); }

  desk::SimulatedRig& rig() { return rig_; }
  Desktop& desktop() { return desktop_; }
  SimWindow& sim_window() { return *window_; }
  Companions& companions() { return *companions_; }

 private:
  desk::SimulatedRig rig_;
  Desktop desktop_;
  std::unique_ptr<SimWindow> window_;
  std::unique_ptr<Companions> companions_;
};

}  // namespace kolvar::winview
