#pragma once
// Port backend for Linux through ppdev, the kernel's user-space parallel-port
// interface (/dev/parportN). The device is opened and the port claimed once;
// every write then sets all eight data lines with one PPWDATA. The descriptor
// stays open and the claim held for the backend's life, so no other ppdev user
// (a printer spooler, another instance) can change the lines in between.
//
// A failed open or claim counts as a failed write; the backend is then closed
// and the next write starts again from the open, so a port that appears later
// (module loaded, permission granted) is picked up without a restart.
#include <cstdint>
#include <string>

#include "platform/ports/port_backend.h"
#include "platform/ports/posix_io.h"

namespace kolvar::platform {

class PpdevPort final : public PortBackend {
 public:
  explicit PpdevPort(std::string path = "/dev/parport0", PosixIo& io = system_posix_io());
  ~PpdevPort() override;
  PpdevPort(const PpdevPort&) = delete;
  PpdevPort& operator=(const PpdevPort&) = delete;

  std::string name() const override { return path_; }
  // Opens and claims the port if that has not been done yet, and keeps it.
  PortAvailability availability() override;
  void write(std::uint8_t byte) override;

 private:
  // Opens and claims; on failure leaves the backend closed and returns -errno.
  int open_and_claim();
  void close_device();
  [[noreturn]] void fail(int error);

  std::string path_;
  PosixIo& io_;
  int fd_ = -1;  // open and claimed when not negative
};

}  // namespace kolvar::platform
