#pragma once
// The small file of the program's own where a window's scale is kept between
// starts: one line "scale=PERCENT", with a comment above it. Where the file
// lives is each toolkit's matter (the user's configuration folder on Linux,
// %APPDATA% on Windows); what it holds and how it is read are one rule.
#include <filesystem>
#include <optional>

namespace kolvar::desk {

// The scale the file holds; nothing when it is missing, not a regular file,
// far longer than ours, or holds no scale that is one of the steps.
std::optional<int> read_scale_file(const std::filesystem::path& path);

// Keeps percent in the file, its folder made when missing; the file is
// replaced whole or not at all. False when it could not be written: the
// window works on without it, unremembered.
bool write_scale_file(const std::filesystem::path& path, int percent);

}  // namespace kolvar::desk
