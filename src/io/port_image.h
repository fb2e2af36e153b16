#pragma once
// The port image: the eight text boxes pin(0..7), "0" low or "1" high, and the
// pin menus that say which of them each output function drives. Menu item i
// (1..8, connector pin i+1) stands for element i-1 of the image.
#include <cstdint>
#include <string_view>

#include "form/controller.h"

namespace kolvar::io {

inline constexpr int kPinCount = 8;
inline constexpr std::string_view kHigh = "1";
inline constexpr std::string_view kLow = "0";

// The data byte: bit k is pin(k). An element that is not "0" or "1" is a
// failure naming it; nothing may reach the port from a corrupted image.
std::uint8_t port_byte(const form::Controller& c);

// Whether item `item` (1..8) of the pin menu array `menu` (`ps`, `lu`, ...) is ticked.
bool item_ticked(const form::Controller& c, form::Name menu, int item);

// The image element that menu item `item` (1..8) stands for.
form::Control& pin_of_item(form::Controller& c, int item);

// Sets every element whose item is ticked in `menu` to `level`; others stay.
void set_ticked_pins(form::Controller& c, form::Name menu, std::string_view level);

}  // namespace kolvar::io
