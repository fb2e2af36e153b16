#include "simrun/one_clock.h"

#include <array>
#include <utility>
#include <vector>

#include "form/names.h"

namespace kolvar::simrun {

namespace {

// The take-off type menu items and the plumbing each stands for.
class TakeoffMenu {
 public:
  explicit TakeoffMenu(form::Controller& c)
      : items_{{{&c.c(ctl::liquid), sim::TakeoffType::Liquid},
                {&c.c(ctl::par), sim::TakeoffType::Vapour},
                {&c.c(ctl::SHIM), sim::TakeoffType::WidthModulated}}} {}

  // With none ticked the plumbing stays as it was.
  void follow(sim::Plant& plant) const {
    for (const auto& [item, takeoff] : items_)
      if (item->checked()) plant.settings().takeoff = takeoff;
  }

 private:
  std::array<std::pair<const form::Control*, sim::TakeoffType>, 3> items_;
};

}  // namespace

void advance_together(form::Controller& c, form::VirtualClock& clock, sim::Plant& plant,
                      platform::Millis until, const CycleObserver& after_cycle) {
  const std::vector<form::Control*> timers = c.form.timers();
  const form::Control& cycle = c.c(ctl::Timer1);
  const TakeoffMenu menu(c);
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
