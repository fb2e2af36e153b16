#pragma once
// A small file that holds a secret: readable and writable by its owner alone.
// On Windows a file takes the access rules of its folder (the user's own
// profile keeps others out); the calls below leave them as they are there.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kolvar::platform {

// Makes `content` the whole content of `target`: written to a fresh
// temporary that no one else may ever open, brought to the disk, then
// renamed over the target. On failure the target is as it was.
std::error_code replace_private(const std::filesystem::path& target, std::string_view content);

// Takes from an existing file every right of others (group and world); an
// empty result when it is, or now is, its owner's alone.
std::error_code keep_private(const std::filesystem::path& target);

}  // namespace kolvar::platform
