#pragma once
// Why the system refused, in the operator's language where the reason is a
// common one; the system's own words otherwise.
#include <string>
#include <system_error>

namespace kolvar::platform {

std::string system_reason(const std::error_code& error);

}  // namespace kolvar::platform
