#pragma once
// What tests may watch in kolvar-sim's window, through environment variables
// that only tests and the documentation's pictures set:
//   KOLVAR_TEST_EVENTS=1       prints "@T shown" at the main window's first
//                              paint and "@T cycle H" after each control
//                              cycle (H the head temperature it shows), T in
//                              milliseconds of the model's clock
//   KOLVAR_TEST_GRAB=FILE      after KOLVAR_TEST_GRAB_CYCLES cycles (60 when
//                              unset), saves a picture of every window shown,
//                              where each stands, as FILE (PNG)
//   KOLVAR_TEST_SPEED=N        starts the model's clock at speed N, as the
//                              simulator window's choice would
//   KOLVAR_TEST_CLICKS         as for kolvar (view/test_seam.h)
#include <memory>

#include "simview/simulated_desktop.h"
#include "view/test_seam.h"

namespace kolvar::simapp {

class SimTestSeam {
 public:
  SimTestSeam();
  ~SimTestSeam();
  void attach(simview::SimulatedDesktop& sim);

 private:
  bool events_ = false;
  std::string grab_;
  long grab_cycles_ = 60;
  long cycles_ = 0;
  int speed_ = 0;
  std::unique_ptr<view::FirstPaintPrinter> painted_;
};

}  // namespace kolvar::simapp
