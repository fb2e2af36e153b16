#pragma once
// The few calls of the kernel's GPIO character device that the GPIO port
// backend makes, behind an interface so that a test can stand in for a chip
// (present, missing, busy) and see every call. Levels are the lines' physical
// levels, 0 or 1; polarity is the backend's business. Results follow the
// kernel's convention: a negative value is the error number negated.
//
// Narrow on purpose: a request of some lines as outputs, a set of all of them
// at once, and the release. libgpiod's later API (requests as objects) fits
// the same shape.
#include <memory>
#include <string>
#include <vector>

namespace kolvar::platform {

class GpioLines {
 public:
  // Lines held as outputs; destroying the request releases them (and the chip).
  class Request {
   public:
    virtual ~Request() = default;
    // Sets every requested line at once, levels in the order of the request;
    // 0 or -errno.
    virtual int set(const std::vector<int>& levels) = 0;
  };

  struct Requested {
    std::unique_ptr<Request> request;  // null on failure
    int error = 0;                     // -errno on failure; -ERANGE: the chip has no such line
  };

  virtual ~GpioLines() = default;
  // Opens the chip (a name such as gpiochip0, or a device path) and requests
  // the lines at these offsets as outputs, starting at these levels.
  virtual Requested request_outputs(const std::string& chip, const std::vector<unsigned>& offsets,
                                    const std::vector<int>& levels) = 0;
};

// The kernel's GPIO character device through libgpiod; shared by every user.
GpioLines& system_gpio_lines();

}  // namespace kolvar::platform
