#include "platform/ports/ppdev_port.h"

#include <fcntl.h>
#include <sys/ioctl.h>

// Uses the _IO macros of <sys/ioctl.h> without including it.
#include <linux/ppdev.h>

#include <cerrno>
#include <utility>

#include "platform/failure.h"
#include "platform/system_reason.h"

namespace kolvar::platform {
namespace {

// No device node, or a node with no port behind it: the port is not on this
// machine. Anything else (permission, busy) means it is there but refused.
bool means_absent(int error) {
  return error == ENOENT || error == ENODEV || error == ENXIO;
}

}  // namespace

PpdevPort::PpdevPort(std::string path, PosixIo& io) : path_(std::move(path)), io_(io) {}

PpdevPort::~PpdevPort() {
  close_device();
}

PortAvailability PpdevPort::availability() {
  const int result = open_and_claim();
  if (result >= 0) return PortAvailability::Usable;
  return means_absent(-result) ? PortAvailability::Absent : PortAvailability::Unusable;
}

void PpdevPort::write(std::uint8_t byte) {
  const int opened = open_and_claim();
  if (opened < 0) fail(-opened);
  unsigned char data = byte;
  const int written = io_.ioctl(fd_, PPWDATA, &data);
  if (written < 0) {
    // The port may have gone (a USB adapter unplugged): start afresh next time.
    close_device();
    fail(-written);
  }
}

int PpdevPort::open_and_claim() {
  if (fd_ >= 0) return 0;
  const int fd = io_.open(path_, O_RDWR | O_CLOEXEC);
  if (fd < 0) return fd;
  const int claimed = io_.ioctl(fd, PPCLAIM, nullptr);
  if (claimed < 0) {
    io_.close(fd);
    return claimed;
  }
  fd_ = fd;
  return 0;
}

void PpdevPort::close_device() {
  // Closing the descriptor releases the claim as well.
  if (fd_ >= 0) io_.close(fd_);
  fd_ = -1;
}

void PpdevPort::fail(int error) {
  throw Failure(path_ + ": " + system_reason(std::error_code(error, std::generic_category())));
}

}  // namespace kolvar::platform
