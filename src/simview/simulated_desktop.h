#pragma once
// Qt's windows over a simulated rig that the caller keeps: the rig's
// desktop, and the simulator's window, which waits for the window manager to
// put the main window in place and then stands beside it.
#include <memory>

#include "desk/simulated_rig.h"
#include "simview/sim_window.h"
#include "view/companions.h"
#include "view/desktop.h"

namespace kolvar::simview {

class SimulatedDesktop {
 public:
  // Needs a QApplication; `rig` outlives this.
  explicit SimulatedDesktop(desk::SimulatedRig& rig);
  ~SimulatedDesktop();

  view::Desktop& desktop() { return desktop_; }
  SimWindow& sim_window() { return *window_; }
  // The windows beside the main one, the simulator's first; a window added
  // here (the plot) goes beside it.
  view::Companions& companions() { return *companions_; }

 private:
  view::Desktop desktop_;
  std::unique_ptr<SimWindow> window_;
  std::unique_ptr<view::Companions> companions_;
};

}  // namespace kolvar::simview
