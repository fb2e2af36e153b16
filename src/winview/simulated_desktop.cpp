#include "winview/simulated_desktop.h"

namespace kolvar::winview {

SimulatedDesktop::SimulatedDesktop(const sim::PlantSettings& settings, bool cold,
                                   form::ScaledMillis::Now now)
    : rig_(settings, cold, std::move(now)), desktop_(rig_.wiring()) {
  rig_.bind(desktop_);
  SimWindow::Links links{rig_.plant(), rig_.clock(), [this] { rig_.catch_up(); },
                         [this] { desktop_.act([] {}); }};
  window_ = std::make_unique<SimWindow>(std::move(links));
  // At ten or sixty times real speed the refresh timer alone would show the
  // valve and the lift many cycles behind the main window.
  desktop_.controller().after_each_event(
      [this](form::Controller&, const form::Control&) { window_->show_plant(); });
  companions_ = std::make_unique<Companions>(desktop_.window().hwnd());
  companions_->add(window_->hwnd());
}

SimulatedDesktop::~SimulatedDesktop() = default;

}  // namespace kolvar::winview
