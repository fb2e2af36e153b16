#include "platform/ports/gpio_port.h"

#include <cerrno>
#include <utility>

#include "platform/failure.h"
#include "platform/system_reason.h"

namespace kolvar::platform {
namespace {

// Said to the operator, who wires and configures the board.
std::string reason(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "нет такого GPIO-чипа";
    case ERANGE:
      return "на GPIO-чипе нет такой линии";
    case EBUSY:
      return "линия занята другой программой или драйвером";
    case EACCES:
    case EPERM:
      return "нет доступа к GPIO (группа gpio или правило udev)";
    default:
      return system_reason(std::error_code(error, std::generic_category()));
  }
}

}  // namespace

GpioPort::GpioPort(GpioMap map, GpioLines& lines) : map_(std::move(map)), lines_(lines) {}

PortAvailability GpioPort::availability() {
  const int result = request();
  if (result == 0) return PortAvailability::Usable;
  const int error = -result;
  return error == ENOENT || error == ENODEV || error == ENXIO ? PortAvailability::Absent
                                                              : PortAvailability::Unusable;
}

void GpioPort::write(std::uint8_t byte) {
  const int requested = request();
  if (requested < 0) fail(-requested);
  const int set = held_->set(map_.levels(byte));
  if (set < 0) {
    // The chip may have gone (a hot-unplugged expander): ask afresh next time.
    held_.reset();
    fail(-set);
  }
}

int GpioPort::request() {
  if (held_) return 0;
  GpioLines::Requested requested =
      lines_.request_outputs(map_.chip, map_.offsets(), map_.levels(0));
  if (!requested.request) {
    const int error = requested.error < 0 ? requested.error : -EIO;
    refusal_ = map_.port_text() + ": " + reason(-error);
    return error;
  }
  held_ = std::move(requested.request);
  refusal_.clear();
  return 0;
}

void GpioPort::fail(int error) {
  refusal_ = map_.port_text() + ": " + reason(error);
  throw Failure(refusal_);
}

}  // namespace kolvar::platform
