#pragma once
// A port backend that touches no hardware: it records every byte that reached
// it with the time it arrived, and can be made to refuse or to be missing, so
// tests and the scenario runner can walk every path of the port write.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ports/port_backend.h"
#include "platform/time/clock.h"

namespace kolvar::platform {

class FakePort final : public PortBackend {
 public:
  enum class Mode {
    Works,    // Usable; writes are recorded
    Fails,    // present but refuses: Unusable, writes throw
    Missing,  // not there at all: Absent, writes throw
  };

  struct Write {
    Millis at;
    std::uint8_t byte;
    bool operator==(const Write&) const = default;
  };

  // Called after each successful write (the scenario runner prints it).
  using OnWrite = std::function<void(Millis, std::uint8_t)>;

  FakePort(const Clock& clock, std::string name, OnWrite on_write = {});

  std::string name() const override { return name_; }
  PortAvailability availability() override;
  void write(std::uint8_t byte) override;

  void set_mode(Mode mode) { mode_ = mode; }
  // A device on the other end of the cable (a simulated rig), or none: while
  // the port works, what the device says of itself is its availability, and
  // a byte is recorded only once the device has taken it.
  void pass_to(PortBackend* device) { device_ = device; }
  Mode mode() const { return mode_; }
  // Successful writes, oldest first.
  const std::vector<Write>& writes() const { return writes_; }
  // Every call of write, successful or not.
  std::size_t attempts() const { return attempts_; }

 private:
  const Clock& clock_;
  std::string name_;
  OnWrite on_write_;
  Mode mode_ = Mode::Works;
  PortBackend* device_ = nullptr;
  std::vector<Write> writes_;
  std::size_t attempts_ = 0;
};

}  // namespace kolvar::platform
