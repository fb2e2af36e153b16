#pragma once
// The simulated column that kolvar-sim and the scenario runner put at the end
// of the controller's cable.
#include <cstdint>

#include "sim/plant_settings.h"

namespace kolvar::simrun {

struct Charge {
  double litres = 30;
  double strength = 40;           // per cent by volume
  double watts = 2000;            // the heater
  std::uint32_t seed = 1;         // the sensors' noise
  double pressure_hpa = 1013.25;  // the air's
};

// The plant's default rig with `charge`, and a liquid take-off valve that can
// draw more than the column condenses at the azeotrope, as a needle valve
// opened wide can: the regulation, not the valve, then sets the take-off.
sim::PlantSettings simulated_rig(const Charge& charge);

}  // namespace kolvar::simrun
