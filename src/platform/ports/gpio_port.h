#pragma once
// Port backend for a single-board computer: the eight data pins of the port
// image drive lines of a GPIO chip through the kernel's GPIO character
// device, one line per pin as the operator maps them (GpioMap).
//
// The mapped lines are requested once, as outputs, starting at the levels of
// the all-low image, so a relay board is in its stop state from the first
// moment, whatever its polarity. Every write then sets all mapped lines with
// one call; unmapped pins go nowhere. The lines stay held for the backend's
// life, so no other program can change them in between, and are released
// when it ends.
//
// A refused request (no such chip, a line busy or not permitted) counts as a
// failed write; the next write asks again, so a chip or a permission that
// appears later is picked up without a restart.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ports/gpio_lines.h"
#include "platform/ports/gpio_map.h"
#include "platform/ports/port_backend.h"

namespace kolvar::platform {

class GpioPort final : public PortBackend {
 public:
  explicit GpioPort(GpioMap map, GpioLines& lines = system_gpio_lines());

  // The map in the command line's form, so the status line says which lines.
  std::string name() const override { return map_.port_text(); }
  PortAvailability availability() override;
  void write(std::uint8_t byte) override;
  // Why the lines were last refused, and what usually mends it.
  std::string advice() const override { return refusal_; }

 private:
  // Requests the lines unless held; 0 or -errno.
  int request();
  [[noreturn]] void fail(int error);

  GpioMap map_;
  GpioLines& lines_;
  std::unique_ptr<GpioLines::Request> held_;
  std::string refusal_;
};

}  // namespace kolvar::platform
