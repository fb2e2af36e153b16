#pragma once
// A colour as every painter takes it: red, green, blue and opacity, 0..255.
#include <cstdint>

namespace kolvar::chart {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 255;  // 0 transparent, 255 opaque
  bool operator==(const Colour&) const = default;
};

// The same hue brighter or darker by `percent` of its value (115: 15 %
// brighter), as a colour picker's HSV value would move; a colour at full
// value turns paler instead.
Colour lighter(Colour colour, int percent);
Colour darker(Colour colour, int percent);

}  // namespace kolvar::chart
