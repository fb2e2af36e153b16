#pragma once
// Windows system errors as std::error_code. The common ones are given as their
// portable condition (std::errc), so that system_reason words them as it
// does on every other system; the rest keep the system's own code and text.
#include <system_error>

namespace kolvar::platform {

std::error_code windows_error(unsigned long code);

// windows_error(GetLastError()).
std::error_code last_windows_error();

}  // namespace kolvar::platform
