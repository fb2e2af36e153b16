#include "simrun/rig.h"

namespace kolvar::simrun {

sim::PlantSettings simulated_rig(const Charge& charge) {
  sim::PlantSettings s;
  s.charge_litres = charge.litres;
  s.charge_abv = charge.strength / 100;
  s.heater_watts = charge.watts;
  s.logger.seed = charge.seed;
  s.pressure_hpa = charge.pressure_hpa;
  s.valve_ml_s = 2.0;
  return s;
}

}  // namespace kolvar::simrun
