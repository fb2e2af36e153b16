#include "form/utf8.h"

namespace kolvar::form {

namespace {

bool in(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

}  // namespace

std::size_t utf8_length(std::string_view s) {
  if (s.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  if (b0 < 0x80) return 1;
  std::size_t length = 0;
  // The second byte's range narrows where a wider range would give an overlong
  // form (E0, F0), a surrogate (ED) or a value past U+10FFFF (F4).
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (in(b0, 0xC2, 0xDF)) {
    length = 2;
  } else if (in(b0, 0xE0, 0xEF)) {
    length = 3;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (in(b0, 0xF0, 0xF4)) {
    length = 4;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length || !in(byte(1), low, high)) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!in(byte(i), 0x80, 0xBF)) return 0;
  }
  return length;
}

bool is_utf8(std::string_view s) {
  while (!s.empty()) {
    const std::size_t length = utf8_length(s);
    if (length == 0) return false;
    s.remove_prefix(length);
  }
  return true;
}

}  // namespace kolvar::form
