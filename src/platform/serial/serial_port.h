#pragma once
// A serial port opened raw: 8 data bits, no parity, one stop bit, no echo,
// no line discipline, no flow control. Boards print lines on it; the caller
// assembles them.
#include <memory>
#include <optional>
#include <string>

namespace kolvar::platform {

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Waits at most `wait_ms` for bytes and returns those that came ("" when
  // none came). nullopt when the port is gone (unplugged, the other end
  // closed, an error): the caller drops it and opens it again later.
  virtual std::optional<std::string> read(int wait_ms) = 0;
};

// Opens `device` ("/dev/ttyUSB0", a /dev/serial/by-id link, "COM3") at
// `baud`; nullptr with `why` set to a sentence naming the device when it
// cannot.
std::unique_ptr<SerialPort> open_serial_port(const std::string& device, int baud, std::string& why);

}  // namespace kolvar::platform
