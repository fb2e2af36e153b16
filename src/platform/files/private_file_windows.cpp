#include "platform/files/private_file.h"

#include "platform/files/atomic_replace.h"

namespace kolvar::platform {

// The file takes the rules of its folder; see the header.
std::error_code replace_private(const std::filesystem::path& target, std::string_view content) {
  return replace_atomically(target, content);
}

std::error_code keep_private(const std::filesystem::path& target) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(target, ec))
    return ec ? ec : std::make_error_code(std::errc::operation_not_permitted);
  return {};
}

}  // namespace kolvar::platform
