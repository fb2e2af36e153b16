#include "simrun/one_clock.h"

#include <vector>

namespace kolvar::simrun {

namespace {

void follow_takeoff_menu(form::Controller& c, sim::Plant& plant) {
  sim::TakeoffType& takeoff = plant.settings().takeoff;
  if (c.c("liquid").checked()) takeoff = sim::TakeoffType::Liquid;
  if (c.c("par").checked()) takeoff = sim::TakeoffType::Vapour;
  if (c.c("SHIM").checked()) takeoff = sim::TakeoffType::WidthModulated;
}

}  // namespace

void advance_together(form::Controller& c, form::VirtualClock& clock, sim::Plant& plant,
                      platform::Millis until, const CycleObserver& after_cycle) {
  const std::vector<form::Control*> timers = c.form.timers();
  const form::Control& cycle = c.c("Timer1");
  // The controller runs every timer due at one moment before the next moment
  // comes, so stepping it from one due time to the next keeps its order.
  while (const form::Control* next = form::next_due_timer(timers, until)) {
    const platform::Millis at = next->due();
    const bool cycle_due = cycle.on() && cycle.interval() > 0 && cycle.due() == at;
    follow_takeoff_menu(c, plant);
    plant.advance_to(at);
    c.run_timers_until(clock, at);
    if (cycle_due && after_cycle) after_cycle(at);
  }
  follow_takeoff_menu(c, plant);
  plant.advance_to(until);
  c.run_timers_until(clock, until);
}

}  // namespace kolvar::simrun
