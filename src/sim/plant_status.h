#pragma once
// What a status display or a run summary can read off the plant.
#include <cstdint>

#include "platform/time/clock.h"
#include "sim/boiler.h"
#include "sim/mixture.h"

namespace kolvar::sim {

struct PlantStatus {
  platform::Millis time = 0;
  std::uint8_t lines = 0;  // the data lines as the devices see them

  // Actuators.
  bool heater_on = false;
  bool stop_raised = false;       // the stop line is high (the relay may still be stuck)
  bool watchdog_tripped = false;  // the watchdog is on and has let go
  bool valve_open = false;
  double lift_cm = 0;
  bool coil_water_on = false;          // water flows through the product cooler
  bool dephlegmator_water_on = false;  // water flows through the dephlegmator
  bool working_signal = false;

  // The four temperatures, true (the logger adds the sensors' noise and steps).
  double dephlegmator_celsius = 0;
  double packing_celsius = 0;
  double tank_celsius = 0;
  double cooler_celsius = 0;

  // Flows over the last step.
  bool boiling = false;
  bool dry = false;  // the element's cut-out: too little left in the pot
  double vapour_mol_s = 0;
  double reflux_mol_s = 0;
  double takeoff_ml_h = 0;
  double head_fraction = 0;  // ethanol mole fraction of the vapour at the head
  double pressure_hpa = 0;   // the air's
  double wetted = 0;         // share of the packing's full hold-up on it
  double plate_efficiency = 0;

  // Balances.
  Amount charge;                   // in the pot
  Amount holdup;                   // on the packing
  Amount taken_off;                // collected since the start
  Energy energy;                   // of the heater, since the start
  double dephlegmator_joules = 0;  // condensed in the dephlegmator
  double passed_on_joules = 0;     // condensed after it (vapour take-off, or no water)
  double walls_joules = 0;         // condensed on the column's walls by its losses

  // Logger.
  bool logger_running = false;
  long log_lines = 0;
  int launches = 0;  // starts of the logger's program
};

}  // namespace kolvar::sim
