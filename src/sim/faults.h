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
  // The log's file is deleted under the logger, which goes on writing into
  // the file it holds open, where nobody sees it, until it is started again
  // and opens its path anew (starting it clears this).
  bool log_removed = false;
  // The logger writes a line that is no log line (kGarbageLine) in place of
  // each line of readings.
  bool garbage_line = false;
  // The logger writes its readings with a decimal comma, as one set to a
  // comma locale does: "78,19".
  bool decimal_comma = false;
  // The logger hangs on its readings: each line has a fresh time stamp and
  // the temperatures of the line before. A restart does not cure it.
  bool logger_frozen = false;
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
