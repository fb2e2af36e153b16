#pragma once
// C streams opened by a path of any characters the system allows.
#include <cstdio>
#include <filesystem>

namespace kolvar::platform {

// Opens a file for reading its bytes as they are (no line-end translation);
// nullptr when it cannot be opened.
std::FILE* open_c_file(const std::filesystem::path& path);

// The same for a regular file only: nullptr for a folder, a FIFO or a device,
// whose reading would fail on every line, block the open or never end.
std::FILE* open_regular_c_file(const std::filesystem::path& path);

}  // namespace kolvar::platform
