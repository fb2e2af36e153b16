#pragma once
// A failure: an operation that could not be carried out. Its description is a
// short text for the operator (shown in the message panel by the control
// cycle), so it names what failed and where.
#include <stdexcept>
#include <string>

namespace kolvar {

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace kolvar
