#include "desk/sim_test_seam.h"

#include <cstdlib>

#include "desk/test_seam.h"
#include "form/names.h"

namespace kolvar::desk {

SimTestSeam::SimTestSeam() {
  events_ = std::getenv("KOLVAR_TEST_EVENTS") != nullptr;
  if (const char* grab = std::getenv("KOLVAR_TEST_GRAB")) grab_ = grab;
  if (const char* cycles = std::getenv("KOLVAR_TEST_GRAB_CYCLES")) grab_cycles_ = std::atol(cycles);
  if (const char* speed = std::getenv("KOLVAR_TEST_SPEED")) speed_ = std::atoi(speed);
}

void SimTestSeam::attach(Desktop& desktop, std::function<bool(const std::string&)> grab) {
  if (!grab) grab_.clear();
  if (!events_ && grab_.empty()) return;
  desktop.controller().after_each_event(
      [this, &desktop, grab = std::move(grab)](form::Controller& c, const form::Control& source) {
        if (&source != &c.c(ctl::Timer1)) return;
        ++cycles_;
        if (events_) print_test_event(desktop.clock().now(), "cycle " + c.c(ctl::T, 1).text());
        if (!grab_.empty() && cycles_ == grab_cycles_) {
          const bool saved = grab(grab_);
          if (events_) print_test_event(desktop.clock().now(), saved ? "grabbed" : "not grabbed");
        }
      });
}

}  // namespace kolvar::desk
