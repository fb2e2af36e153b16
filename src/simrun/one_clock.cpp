#include "simrun/one_clock.h"

#include <vector>

#include "form/names.h"
#include "simrun/takeoff_plumbing.h"

namespace kolvar::simrun {

void advance_together(form::Controller& c, form::VirtualClock& clock, sim::Plant& plant,
                      platform::Millis until, const CycleObserver& after_cycle) {
  const std::vector<form::Control*> timers = c.form.timers();
  const form::Control& cycle = c.c(ctl::Timer1);
  const TakeoffPlumbing menu(c);
  // The controller runs every timer due at one moment before the next moment
  // comes, so stepping it from one due time to the next keeps its order.
  while (const form::Control* next = form::next_due_timer(timers, until)) {
    const platform::Millis at = next->due();
    const bool cycle_due = cycle.on() && cycle.interval() > 0 && cycle.due() == at;
    menu.follow(plant);
    plant.advance_to(at);
    c.run_timers_until(clock, at);
    if (cycle_due && after_cycle) after_cycle(at);
  }
  menu.follow(plant);
  plant.advance_to(until);
  c.run_timers_until(clock, until);
}

}  // namespace kolvar::simrun
