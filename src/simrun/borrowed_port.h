#pragma once
// A port backend that hands every call on to one owned elsewhere: the
// desktop owns its backends, while the simulated column outlives it.
#include "platform/ports/port_backend.h"

namespace kolvar::simrun {

class BorrowedPort final : public platform::PortBackend {
 public:
  explicit BorrowedPort(platform::PortBackend& to) : to_(to) {}
  std::string name() const override { return to_.name(); }
  platform::PortAvailability availability() override { return to_.availability(); }
  void write(std::uint8_t byte) override { to_.write(byte); }

 private:
  platform::PortBackend& to_;
};

}  // namespace kolvar::simrun
