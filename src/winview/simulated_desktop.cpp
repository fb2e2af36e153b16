#include "winview/simulated_desktop.h"

#include <algorithm>

#include "platform/ports/fake_port.h"
#include "simrun/borrowed_port.h"
#include "simrun/preheat.h"
#include "simrun/takeoff_plumbing.h"

namespace kolvar::winview {

namespace {

// Where the model's clock starts: where the plant's own has got to.
platform::Millis warmed_up(sim::Plant& plant, bool cold) {
  if (!cold) simrun::bring_to_boil(plant);
  return plant.now();
}

}  // namespace

SimulatedDesktop::SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                                   form::ScaledMillis::Now now)
    : plant_(settings), clock_(warmed_up(plant_, cold), std::move(now)), desktop_(wiring()) {
  window_ = std::make_unique<SimWindow>(
      SimWindow::Links{plant_, clock_, [this] { catch_up(); }, [this] { desktop_.act([] {}); }});
  // At ten or sixty times real speed the refresh timer alone would show the
  // valve and the lift many cycles behind the main window.
  desktop_.controller().after_each_event(
      [this](form::Controller&, const form::Control&) { window_->show_plant(); });
  companions_ = std::make_unique<Companions>(desktop_.window().hwnd());
  companions_->add(window_->hwnd());
}

SimulatedDesktop::~SimulatedDesktop() = default;

Desktop::Wiring SimulatedDesktop::wiring() {
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
    simrun::bring_plant_to(desktop_.controller(), plant_, t);
  };
  return w;
}

void SimulatedDesktop::catch_up() {
  platform::Millis until = clock_();
  if (auto due = desktop_.driver().next_due()) until = std::min(until, *due);
  simrun::bring_plant_to(desktop_.controller(), plant_, until);
}

void SimulatedDesktop::start() {
  desktop_.start();
}

}  // namespace kolvar::winview
