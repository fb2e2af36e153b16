#include "launch/sim_window.h"

#include "simrun/sim_settings_file.h"

namespace kolvar::launch {

sim::PlantSettings window_plant(const simrun::Charge& charge) {
  sim::PlantSettings plant = simrun::simulated_rig(charge);
  plant.port_name = "симулятор колонны";
  simrun::settle_settings_file(plant);
  return plant;
}

platform::LocalTime opened_at(const platform::Clock& model, const platform::WallClock& real) {
  return real.now() -
         std::chrono::duration_cast<std::chrono::seconds>(std::chrono::milliseconds(model.now()));
}

}  // namespace kolvar::launch
