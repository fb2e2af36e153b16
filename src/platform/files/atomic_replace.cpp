#include "platform/files/atomic_replace.h"

namespace kolvar::platform {

namespace fs = std::filesystem;

// A rename over a link would replace the link itself, so the new content
// goes to the file that the link names.
std::error_code replace_atomically(const fs::path& target, std::string_view content) {
  std::error_code ec;
  if (!fs::is_symlink(target, ec)) return detail::replace_file(target, content);
  fs::path resolved = fs::canonical(target, ec);
  if (ec) return ec;
  return detail::replace_file(resolved, content);
}

}  // namespace kolvar::platform
