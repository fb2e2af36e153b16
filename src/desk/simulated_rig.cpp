#include "desk/simulated_rig.h"

#include <algorithm>

#include "platform/ports/fake_port.h"
#include "simrun/borrowed_port.h"
#include "simrun/preheat.h"
#include "simrun/takeoff_plumbing.h"

namespace kolvar::desk {

namespace {

// Where the model's clock starts: where the plant's own has got to.
platform::Millis warmed_up(sim::Plant& plant, bool cold) {
  if (!cold) simrun::bring_to_boil(plant);
  return plant.now();
}

}  // namespace

SimulatedRig::SimulatedRig(const sim::PlantSettings& settings, bool cold,
                           form::ScaledMillis::Now now)
    : plant_(settings), clock_(warmed_up(plant_, cold), std::move(now)) {}

Desktop::Wiring SimulatedRig::wiring() {
  Desktop::Wiring w;
  w.ports = [this](const platform::Clock& clock) {
    // The plant is the first choice; the second is missing, as on a machine
    // with one port driver.
    auto second = std::make_unique<platform::FakePort>(clock, "inpout32.dll");
    second->set_mode(platform::FakePort::Mode::Missing);
    return platform::DefaultPorts{std::make_unique<simrun::BorrowedPort>(plant_),
                                  std::move(second)};
  };
  w.launcher = &plant_;
  w.scaled = &clock_;
  w.before = [this](platform::Millis t) {
    if (desktop_) simrun::bring_plant_to(desktop_->controller(), plant_, t);
  };
  return w;
}

void SimulatedRig::catch_up() {
  if (!desktop_) return;
  platform::Millis until = clock_();
  if (auto due = desktop_->driver().next_due()) until = std::min(until, *due);
  simrun::bring_plant_to(desktop_->controller(), plant_, until);
}

}  // namespace kolvar::desk
