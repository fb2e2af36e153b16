#pragma once
// What tests may watch in kolvar-sim's windows, through environment
// variables that only tests and the documentation's pictures set:
//   KOLVAR_TEST_EVENTS=1       prints "@T shown" at the main window's first
//                              paint (the toolkit's seam) and "@T cycle H"
//                              after each control cycle (H the head
//                              temperature it shows), T in milliseconds of
//                              the model's clock
//   KOLVAR_TEST_GRAB=FILE      after KOLVAR_TEST_GRAB_CYCLES cycles (60 when
//                              unset), saves a picture of every window shown,
//                              where each stands, as FILE (PNG), where the
//                              toolkit can take one
//   KOLVAR_TEST_SPEED=N        starts the model's clock at speed N, as the
//                              simulator window's choice would
//   KOLVAR_TEST_CLICKS         as for kolvar (desk/test_seam.h)
#include <functional>
#include <string>

#include "desk/desktop.h"

namespace kolvar::desk {

class SimTestSeam {
 public:
  // Reads the environment.
  SimTestSeam();

  bool events() const { return events_; }
  // The speed to start at; 0 when not asked.
  int speed() const { return speed_; }
  // Prints the cycles where asked, and has `grab` save the picture once
  // (true when saved); a toolkit that takes no pictures gives none.
  void attach(Desktop& desktop, std::function<bool(const std::string& file)> grab = {});

 private:
  bool events_ = false;
  std::string grab_;
  long grab_cycles_ = 60;
  long cycles_ = 0;
  int speed_ = 0;
};

}  // namespace kolvar::desk
