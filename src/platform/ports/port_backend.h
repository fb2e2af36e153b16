#pragma once
// One way of reaching the data register of the first parallel port.
#include <cstdint>
#include <string>

namespace kolvar::platform {

enum class PortAvailability {
  Usable,    // the backend can write (library and function found, permission granted)
  Unusable,  // present but refused (function missing, no permission for port I/O)
  Absent,    // not on this machine at all (no library, no port I/O on this architecture)
};

class PortBackend {
 public:
  virtual ~PortBackend() = default;
  // The name shown to the operator when this backend fails ("dlportio.dll", "/dev/parport0").
  virtual std::string name() const = 0;
  // Whether a write could be attempted now; may bind libraries or ask for permissions.
  virtual PortAvailability availability() = 0;
  // Writes all eight data lines at once; throws kolvar::Failure when the write fails.
  virtual void write(std::uint8_t byte) = 0;
  // What the operator is told when this backend, the first choice, fails and
  // no second one is there to fall back on: why, and what usually mends it.
  // Empty for the platform's usual advice.
  virtual std::string advice() const { return {}; }
};

}  // namespace kolvar::platform
