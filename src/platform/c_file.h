#pragma once
// C streams opened by a path of any characters the system allows.
#include <cstdio>
#include <filesystem>

namespace kolvar::platform {

// Opens a file for reading its bytes as they are (no line-end translation);
// nullptr when it cannot be opened.
std::FILE* open_c_file(const std::filesystem::path& path);

}  // namespace kolvar::platform
