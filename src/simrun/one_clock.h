#pragma once
// The controller and the simulated column on one virtual clock. Before any
// timer's handler runs, the plant is brought to that moment, so the handler
// reads the log as the logger has written it by then and its port writes act
// from then on.
#include <functional>

#include "form/controller.h"
#include "form/virtual_clock.h"
#include "sim/plant.h"

namespace kolvar::simrun {

// Told the time of every control cycle once that cycle and every other
// handler due at the same moment have run.
using CycleObserver = std::function<void(platform::Millis)>;

// Advances both to `until`, firing every timer that comes due on the way.
// The plant's take-off plumbing follows the take-off type ticked in the
// menu, so each type can be tried on the same simulated column.
void advance_together(form::Controller& c, form::VirtualClock& clock, sim::Plant& plant,
                      platform::Millis until, const CycleObserver& after_cycle = {});

}  // namespace kolvar::simrun
