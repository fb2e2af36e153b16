#pragma once
// What tests may watch in kolvar-sim's windows on Windows, through the
// environment variables of the Linux program (sim_test_seam.h):
//   KOLVAR_TEST_EVENTS=1   prints "@T shown" at the main window's first
//                          paint and "@T cycle H" after each control cycle
//   KOLVAR_TEST_SPEED=N    starts the model's clock at speed N
//   KOLVAR_TEST_CLICKS     as for kolvar (winview/test_seam.h)
// KOLVAR_TEST_GRAB has no Windows counterpart: a picture of the windows is
// taken from the display they are shown on.
#include "winview/simulated_desktop.h"

namespace kolvar::simapp {

class WinSimTestSeam {
 public:
  WinSimTestSeam();
  void attach(winview::SimulatedDesktop& sim);

 private:
  bool events_ = false;
  int speed_ = 0;
};

}  // namespace kolvar::simapp
