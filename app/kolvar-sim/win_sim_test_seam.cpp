#include "kolvar-sim/win_sim_test_seam.h"

#include <cstdlib>

#include "form/names.h"
#include "winview/test_seam.h"

namespace kolvar::simapp {

WinSimTestSeam::WinSimTestSeam() {
  events_ = std::getenv("KOLVAR_TEST_EVENTS") != nullptr;
  if (const char* speed = std::getenv("KOLVAR_TEST_SPEED")) speed_ = std::atoi(speed);
}

void WinSimTestSeam::attach(winview::SimulatedDesktop& sim) {
  if (speed_ > 0) sim.sim_window().set_speed(speed_);
  if (!events_) return;
  winview::Desktop& desktop = sim.desktop();
  desktop.window().on_first_paint(
      [&desktop] { winview::print_test_event(desktop.clock().now(), "shown"); });
  desktop.controller().after_each_event(
      [&desktop](form::Controller& c, const form::Control& source) {
        if (&source == &c.c(ctl::Timer1))
          winview::print_test_event(desktop.clock().now(), "cycle " + c.c(ctl::T, 1).text());
      });
}

}  // namespace kolvar::simapp
