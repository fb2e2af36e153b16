#include "io/port_image.h"

#include <string>

#include "platform/failure.h"

namespace kolvar::io {

namespace {

// Blanks around the digit are forgiven: an outside edit may leave them.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::uint8_t port_byte(const form::Controller& c) {
  unsigned byte = 0;
  for (int k = 0; k < kPinCount; ++k) {
    const form::Control& pin = c.c(ctl::pin, k);
    const std::string_view level = trimmed(pin.text());
    // Anything but 0 or 1 would carry into the neighbouring bits and drive
    // lines nobody asked for, so it stops the write instead.
    if (level == kHigh) {
      byte |= 1u << k;
    } else if (level != kLow) {
      throw Failure("Недопустимое состояние " + pin.full_name() + ": \"" + pin.text() +
                    "\" (должно быть 0 или 1)");
    }
  }
  return static_cast<std::uint8_t>(byte);
}

bool item_ticked(const form::Controller& c, form::Name menu, int item) {
  return c.c(menu, item).checked();
}

form::Control& pin_of_item(form::Controller& c, int item) {
  return c.c(ctl::pin, item - 1);
}

void set_ticked_pins(form::Controller& c, form::Name menu, std::string_view level) {
  for (int i = 1; i <= kPinCount; ++i)
    if (item_ticked(c, menu, i)) pin_of_item(c, i).set_text(std::string(level));
}

}  // namespace kolvar::io
