#include "simrun/plant_connection.h"

namespace kolvar::simrun {

void PlantConnection::write(std::uint8_t byte) {
  const bool was_open = plant_.status().valve_open;
  plant_.write(byte);
  if (!was_open && plant_.status().valve_open) ++valve_openings_;
}

}  // namespace kolvar::simrun
