#include "platform/files/c_file.h"

namespace kolvar::platform {

// The narrow fopen knows only the ANSI code page; the wide one takes any name.
std::FILE* open_c_file(const std::filesystem::path& path) {
  return _wfopen(path.c_str(), L"rb");
}

std::FILE* open_regular_c_file(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  return open_c_file(path);
}

}  // namespace kolvar::platform
