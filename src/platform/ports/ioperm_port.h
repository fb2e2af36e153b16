#pragma once
// Port backend for Linux on x86 without a port driver: writes the data register
// of the first parallel port (I/O address 0x378) directly with outb, after
// asking the kernel for access to that one port with ioperm. This needs root
// (CAP_SYS_RAWIO); refused, the backend is Unusable. On processors without I/O
// port instructions it is Absent.
//
// The permission belongs to the calling thread, and an outb without it kills
// the process, so every write asks again; the system call is cheap next to how
// seldom the outputs change.
#include <cstdint>
#include <string>

#include "platform/ports/port_backend.h"
#include "platform/ports/port_io.h"

namespace kolvar::platform {

class IopermPort final : public PortBackend {
 public:
  static constexpr std::uint16_t kAddress = 0x378;

  explicit IopermPort(PortIo& io = system_port_io()) : io_(io) {}

  std::string name() const override { return "ioperm 0x378"; }
  PortAvailability availability() override;
  void write(std::uint8_t byte) override;

 private:
  PortIo& io_;
};

}  // namespace kolvar::platform
