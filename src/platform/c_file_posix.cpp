#include "platform/c_file.h"

namespace kolvar::platform {

std::FILE* open_c_file(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
}

}  // namespace kolvar::platform
