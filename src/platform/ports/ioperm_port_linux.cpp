#include "platform/ports/ioperm_port.h"

#include "platform/failure.h"
#include "platform/system_reason.h"

namespace kolvar::platform {

PortAvailability IopermPort::availability() {
  if (!io_.present()) return PortAvailability::Absent;
  return io_.ioperm(kAddress, 1) == 0 ? PortAvailability::Usable : PortAvailability::Unusable;
}

void IopermPort::write(std::uint8_t byte) {
  if (!io_.present()) throw Failure(name() + ": на этом процессоре нет портов ввода-вывода");
  const int granted = io_.ioperm(kAddress, 1);
  if (granted != 0)
    throw Failure(name() + ": " +
                  system_reason(std::error_code(-granted, std::generic_category())));
  io_.outb(byte, kAddress);
}

}  // namespace kolvar::platform
