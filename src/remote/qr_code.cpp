#include "remote/qr_code.h"

#include <qrencode.h>

#include <limits>
#include <memory>

namespace kolvar::remote {

QrCode qr_code(std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    return {};
  // By length, not as a C string: every byte of the text is in the code.
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
      QRcode_encodeData(static_cast<int>(text.size()),
                        reinterpret_cast<const unsigned char*>(text.data()), 0, QR_ECLEVEL_M),
      &QRcode_free);
  if (!code) return {};
  QrCode out;
  out.size = code->width;
  out.dark.resize(static_cast<std::size_t>(code->width) * code->width);
  // The lowest bit of each byte is the module's colour; the others say what
  // part of the code it belongs to.
  for (std::size_t i = 0; i < out.dark.size(); ++i) out.dark[i] = (code->data[i] & 1) != 0;
  return out;
}

}  // namespace kolvar::remote
