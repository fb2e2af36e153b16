#include "platform/ports/fake_port.h"

#include <utility>

#include "platform/failure.h"

namespace kolvar::platform {

FakePort::FakePort(const Clock& clock, std::string name, OnWrite on_write)
    : clock_(clock), name_(std::move(name)), on_write_(std::move(on_write)) {}

PortAvailability FakePort::availability() {
  switch (mode_) {
    case Mode::Works:
      return device_ ? device_->availability() : PortAvailability::Usable;
    case Mode::Fails:
      return PortAvailability::Unusable;
    case Mode::Missing:
      return PortAvailability::Absent;
  }
  return PortAvailability::Absent;
}

void FakePort::write(std::uint8_t byte) {
  ++attempts_;
  if (mode_ == Mode::Fails) throw Failure(name_ + ": нет доступа к порту");
  if (mode_ == Mode::Missing) throw Failure(name_ + ": не найден");
  if (device_) device_->write(byte);
  const Millis at = clock_.now();
  writes_.push_back({at, byte});
  if (on_write_) on_write_(at, byte);
}

}  // namespace kolvar::platform
