// termios in raw mode and poll(2): the same on a USB adapter, a board's own
// USB serial port and a pseudo-terminal.
#include "platform/serial/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kolvar::platform {

namespace {

speed_t speed_of(int baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return B9600;
  }
}

class PosixSerialPort : public SerialPort {
 public:
  explicit PosixSerialPort(int fd) : fd_(fd) {}
  ~PosixSerialPort() override { ::close(fd_); }
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  std::optional<std::string> read(int wait_ms) override {
    pollfd ready{fd_, POLLIN, 0};
    const int polled = ::poll(&ready, 1, wait_ms < 0 ? 0 : wait_ms);
    if (polled < 0) return errno == EINTR ? std::optional<std::string>("") : std::nullopt;
    if (polled == 0) return std::string();
    // A hang-up may come with the last bytes still to read: they are read
    // first, and the next call finds the port gone.
    if ((ready.revents & POLLIN) == 0) return std::nullopt;
    char buffer[1024];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) return std::string(buffer, static_cast<std::size_t>(n));
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return std::string();
    return std::nullopt;  // EIO (unplugged, the other end closed) or the end
  }

 private:
  int fd_;
};

std::string said(const std::string& device, const char* what, int error) {
  return device + ": " + what + " (" + std::strerror(error) + ")";
}

}  // namespace

std::unique_ptr<SerialPort> open_serial_port(const std::string& device, int baud,
                                             std::string& why) {
  // Non-blocking: an open never waits for a modem's carrier, and reads are
  // waited for in poll() alone.
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    why = said(device, "cannot be opened", errno);
    return nullptr;
  }
  termios mode{};
  if (::tcgetattr(fd, &mode) != 0) {
    why = said(device, "is not a serial port", errno);
    ::close(fd);
    return nullptr;
  }
  ::cfmakeraw(&mode);
  mode.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
  mode.c_cflag |= CLOCAL | CREAD | CS8;
  mode.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  mode.c_cc[VMIN] = 0;
  mode.c_cc[VTIME] = 0;
  ::cfsetispeed(&mode, speed_of(baud));
  ::cfsetospeed(&mode, speed_of(baud));
  if (::tcsetattr(fd, TCSANOW, &mode) != 0) {
    why = said(device, "cannot be set up as a serial port", errno);
    ::close(fd);
    return nullptr;
  }
  // Whatever waited from before the open is the middle of some line.
  ::tcflush(fd, TCIFLUSH);
  return std::make_unique<PosixSerialPort>(fd);
}

}  // namespace kolvar::platform
