#pragma once
// Faults that can be injected into the running plant at any moment; each
// takes effect from the plant's present time.
#include <array>

#include "sim/logger_writer.h"
#include "sim/sensor_reading.h"

namespace kolvar::sim {

struct Faults {
  // The logger hangs: no more lines. Starting its program clears this when
  // restart_revives; otherwise the restarted logger hangs as well.
  bool logger_stalled = false;
  bool restart_revives = true;
  // No cooling water anywhere: the dephlegmator stops condensing and the
  // coil stops cooling, whatever their valves do.
  bool water_failed = false;
  // The stop relay's contacts are welded: the heater stays on under a stop.
  bool stop_relay_stuck = false;
  // Per logger column: a sensor that has dropped out.
  std::array<SensorFault, kLogColumns> sensors{};
  // The weather: the air's pressure drifts by this many hPa an hour (a few
  // either way on a changing day), from the plant's present pressure.
  double pressure_drift_hpa_h = 0;
  // The cable is out: every write is refused and the devices see all lines low.
  bool port_unplugged = false;
};

}  // namespace kolvar::sim
