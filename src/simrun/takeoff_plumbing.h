#pragma once
// The plant's take-off plumbing follows the take-off type ticked in the menu,
// so each type can be tried on the same simulated column.
#include "form/controller.h"
#include "sim/plant.h"

namespace kolvar::simrun {

class TakeoffPlumbing {
 public:
  explicit TakeoffPlumbing(const form::Controller& c) : c_(c) {}

  // With no type ticked the plumbing stays as it was.
  void follow(sim::Plant& plant) const;

 private:
  const form::Controller& c_;
};

// Brings the plant to moment `t` of the controller's clock, its plumbing as
// the menu has it, before the controller acts at `t`.
void bring_plant_to(form::Controller& c, sim::Plant& plant, platform::Millis t);

}  // namespace kolvar::simrun
