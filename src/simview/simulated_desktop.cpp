#include "simview/simulated_desktop.h"

namespace kolvar::simview {

SimulatedDesktop::SimulatedDesktop(desk::SimulatedRig& rig) : desktop_(rig.wiring()) {
  rig.bind(desktop_);
  window_ = std::make_unique<SimWindow>(SimWindow::Links{
      rig.plant(), rig.clock(), [&rig] { rig.catch_up(); }, [this] { desktop_.act([] {}); }});
  // At ten or sixty times real speed the refresh timer alone would show the
  // valve and the lift many cycles behind the main window.
  desktop_.controller().after_each_event(
      [this](form::Controller&, const form::Control&) { window_->show_plant(); });
  companions_ = std::make_unique<view::Companions>(desktop_.window());
  companions_->add(*window_);
}

SimulatedDesktop::~SimulatedDesktop() = default;

}  // namespace kolvar::simview
