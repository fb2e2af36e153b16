#include "sim/wiring.h"

#include <string>

#include "platform/failure.h"

namespace kolvar::sim {

void Wiring::connect(Output output, int pin) {
  if (pin < 2 || pin > 9) throw Failure("Нет такой ножки порта: " + std::to_string(pin));
  lines[static_cast<int>(output)] |= static_cast<std::uint8_t>(1u << (pin - 2));
}

void Wiring::clear(Output output) {
  lines[static_cast<int>(output)] = 0;
}

Wiring default_wiring() {
  Wiring wiring;
  for (int i = 0; i < kOutputs; ++i) wiring.connect(static_cast<Output>(i), i + 2);
  return wiring;
}

}  // namespace kolvar::sim
