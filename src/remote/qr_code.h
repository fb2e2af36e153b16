#pragma once
// The QR code of a text as modules, dark or light, for any painter: the Qt
// window's, the Win32 window's, a test's. Whatever draws it leaves the quiet
// zone round it; the code here does not include it.
#include <cstddef>
#include <string_view>
#include <vector>

namespace kolvar::remote {

// Light modules a reader wants on every side of the code.
inline constexpr int kQrQuietModules = 4;

struct QrCode {
  int size = 0;            // modules a side, without the quiet zone; 0: no code
  std::vector<bool> dark;  // size * size, row by row from the top left
  bool empty() const { return size == 0; }
  bool dark_at(int x, int y) const { return dark[static_cast<std::size_t>(y) * size + x]; }
};

// The smallest code that holds the text's bytes as they are, with medium
// error correction (a screen photographed at an angle still reads). Empty
// when the text cannot be encoded: nothing at all, or more than a code holds.
QrCode qr_code(std::string_view text);

}  // namespace kolvar::remote
