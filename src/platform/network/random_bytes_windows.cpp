#include <windows.h>
// after windows.h
#include <bcrypt.h>

#include "platform/network/random_bytes.h"

namespace kolvar::platform {

std::error_code random_bytes(std::span<std::byte> out) {
  // The system's preferred generator, with no algorithm handle of our own.
  const NTSTATUS status =
      BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(out.data()), static_cast<ULONG>(out.size()),
                      BCRYPT_USE_SYSTEM_PREFERRED_RNG);
  if (status < 0) return std::make_error_code(std::errc::io_error);
  return {};
}

}  // namespace kolvar::platform
