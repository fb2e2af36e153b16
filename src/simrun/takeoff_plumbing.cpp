#include "simrun/takeoff_plumbing.h"

#include "form/takeoff.h"

namespace kolvar::simrun {

void TakeoffPlumbing::follow(sim::Plant& plant) const {
  switch (form::takeoff_type(c_)) {
    case form::Takeoff::Liquid:
      plant.settings().takeoff = sim::TakeoffType::Liquid;
      break;
    case form::Takeoff::Vapour:
      plant.settings().takeoff = sim::TakeoffType::Vapour;
      break;
    case form::Takeoff::Pwm:
      plant.settings().takeoff = sim::TakeoffType::WidthModulated;
      break;
    case form::Takeoff::None:
      break;
  }
}

void bring_plant_to(form::Controller& c, sim::Plant& plant, platform::Millis t) {
  TakeoffPlumbing(c).follow(plant);
  plant.advance_to(t);
}

}  // namespace kolvar::simrun
