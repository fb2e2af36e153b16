#pragma once
// Bytes from the system's own random source, fit for secrets (a token that
// guards a web page): getrandom on Linux, BCryptGenRandom on Windows.
#include <cstddef>
#include <span>
#include <system_error>

namespace kolvar::platform {

// Fills `out` whole; a source that fails or gives less says why, and `out`
// must then not be used.
std::error_code random_bytes(std::span<std::byte> out);

}  // namespace kolvar::platform
