#include "simrun/takeoff_plumbing.h"

#include "form/names.h"

namespace kolvar::simrun {

TakeoffPlumbing::TakeoffPlumbing(form::Controller& c)
    : items_{{{&c.c(ctl::liquid), sim::TakeoffType::Liquid},
              {&c.c(ctl::par), sim::TakeoffType::Vapour},
              {&c.c(ctl::SHIM), sim::TakeoffType::WidthModulated}}} {}

void TakeoffPlumbing::follow(sim::Plant& plant) const {
  for (const auto& [item, takeoff] : items_)
    if (item->checked()) plant.settings().takeoff = takeoff;
}

void bring_plant_to(form::Controller& c, sim::Plant& plant, platform::Millis t) {
  TakeoffPlumbing(c).follow(plant);
  plant.advance_to(t);
}

}  // namespace kolvar::simrun
