#include "platform/network/random_bytes.h"

#include <sys/random.h>

#include <cerrno>

namespace kolvar::platform {

std::error_code random_bytes(std::span<std::byte> out) {
  while (!out.empty()) {
    // Blocks only until the kernel's pool was first seeded, early at boot.
    const ssize_t n = ::getrandom(out.data(), out.size(), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return {n < 0 ? errno : EIO, std::generic_category()};
    out = out.subspan(static_cast<std::size_t>(n));
  }
  return {};
}

}  // namespace kolvar::platform
