#pragma once
// The controller's two ways into the simulated column: the port's cable and
// the logger's program. It counts the take-off valve's openings as they
// happen, since a look at the plant between two timers would miss a valve
// that one handler closes and opens again.
#include <cstdint>
#include <string>

#include "platform/ports/port_backend.h"
#include "platform/services.h"
#include "sim/plant.h"

namespace kolvar::simrun {

class PlantConnection final : public platform::PortBackend, public platform::Launcher {
 public:
  explicit PlantConnection(sim::Plant& plant) : plant_(plant) {}

  std::string name() const override { return plant_.name(); }
  platform::PortAvailability availability() override { return plant_.availability(); }
  void write(std::uint8_t byte) override;
  void start(const std::string& path) override { plant_.start(path); }

  long valve_openings() const { return valve_openings_; }

 private:
  sim::Plant& plant_;
  long valve_openings_ = 0;
};

}  // namespace kolvar::simrun
