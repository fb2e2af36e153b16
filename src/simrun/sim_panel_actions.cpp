#include "simrun/sim_panel_actions.h"

namespace kolvar::simrun {

void SimPanelActions::catch_up() const {
  if (links_.catch_up) links_.catch_up();
}

std::array<std::string, kPlantRows.size()> SimPanelActions::values() const {
  return plant_values(links_.plant.status(), links_.plant.faults);
}

void SimPanelActions::set_fault(std::size_t index, bool on) const {
  if (index >= kFaultSwitches.size()) return;
  catch_up();
  kFaultSwitches[index].set(links_.plant.faults, on);
}

bool SimPanelActions::fault_on(std::size_t index) const {
  return index < kFaultSwitches.size() && kFaultSwitches[index].on(links_.plant.faults);
}

void SimPanelActions::set_sensor_fault(int column, int kind, bool on) const {
  catch_up();
  simrun::set_sensor_fault(links_.plant.faults, column, kind, on);
}

bool SimPanelActions::sensor_fault_on(int column) const {
  return simrun::sensor_fault_on(links_.plant.faults, column);
}

void SimPanelActions::set_pressure(double hpa) const {
  catch_up();
  links_.plant.settings().pressure_hpa = hpa;
}

std::string SimPanelActions::pressure_text() const {
  return pressure_setting_text(links_.plant.settings().pressure_hpa);
}

bool SimPanelActions::set_speed(int speed) const {
  if (speed == links_.clock.speed()) return false;
  catch_up();
  links_.clock.set_speed(speed);
  if (links_.rate_changed) links_.rate_changed();
  return true;
}

}  // namespace kolvar::simrun
