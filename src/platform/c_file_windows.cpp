#include "platform/c_file.h"

namespace kolvar::platform {

// The narrow fopen knows only the ANSI code page; the wide one takes any name.
std::FILE* open_c_file(const std::filesystem::path& path) {
  return _wfopen(path.c_str(), L"rb");
}

}  // namespace kolvar::platform
