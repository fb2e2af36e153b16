#pragma once
// The desktop window on a simulated column, in Qt: the rig's desktop with the
// simulator's window beside the main one.
#include <memory>

#include "desk/simulated_rig.h"
#include "simview/sim_window.h"
#include "view/companions.h"
#include "view/desktop.h"

namespace kolvar::simview {

class SimulatedDesktop {
 public:
  // Needs a QApplication; the rest as desk::SimulatedRig.
  SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                   form::ScaledMillis::Now now = &std::chrono::steady_clock::now);
  ~SimulatedDesktop();

  // Shows the main window; the simulator's follows beside it once the
  // window manager has put the main window in place.
  void start() { desktop_.start(); }

  view::Desktop& desktop() { return desktop_; }
  desk::SimulatedRig& rig() { return rig_; }
  SimWindow& sim_window() { return *window_; }
  // The windows beside the main one, the simulator's first; a window added
  // here (the plot) goes beside it.
  view::Companions& companions() { return *companions_; }

 private:
  desk::SimulatedRig rig_;
  view::Desktop desktop_;
  std::unique_ptr<SimWindow> window_;
  std::unique_ptr<view::Companions> companions_;
};

}  // namespace kolvar::simview
