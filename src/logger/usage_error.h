#pragma once
// A mistake in how the logger was started: a wrong option or a configuration
// file that cannot be read or understood. The logger then writes nothing and
// ends with exit status 2; the description says what to fix.
#include <stdexcept>
#include <string>

namespace kolvar::logger {

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace kolvar::logger
