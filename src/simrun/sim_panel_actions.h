#pragma once
// What the simulator window's choices do, for whichever toolkit shows it:
// each acts from the model's present (the plant caught up first, so that a
// fault does not reach back into time already shown), and the window then
// shows the plant as it is. A window keeps its widgets; this keeps the rule.
#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "form/scaled_millis.h"
#include "sim/plant.h"
#include "simrun/sim_panel.h"

namespace kolvar::simrun {

struct SimLinks {
  sim::Plant& plant;
  form::ScaledMillis& clock;
  // Brings the plant up to the model's present, as far as the controller's
  // pending timers let it go.
  std::function<void()> catch_up;
  // The clock's rate changed: whatever waits on it must wait anew.
  std::function<void()> rate_changed;
};

// How often the window shows the plant anew: the display's refresh, not the
// controller's timing.
inline constexpr int kSimRefreshMs = 250;

class SimPanelActions {
 public:
  explicit SimPanelActions(SimLinks links) : links_(std::move(links)) {}

  // Brings the plant up to the model's present.
  void catch_up() const;
  // The rows' values as the plant is now.
  std::array<std::string, kPlantRows.size()> values() const;

  // Fault switch `index` of kFaultSwitches on or off; another index changes
  // nothing.
  void set_fault(std::size_t index, bool on) const;
  bool fault_on(std::size_t index) const;
  // The sensor fault of `column` in the way `kind` indexes, on or off.
  void set_sensor_fault(int column, int kind, bool on) const;
  bool sensor_fault_on(int column) const;
  // The air's pressure the operator set.
  void set_pressure(double hpa) const;
  std::string pressure_text() const;

  int speed() const { return links_.clock.speed(); }
  // The clock's speed; false when it already ran at it, and nothing changed.
  bool set_speed(int speed) const;

  const sim::PlantSettings& settings() const { return links_.plant.settings(); }

 private:
  SimLinks links_;
};

}  // namespace kolvar::simrun
