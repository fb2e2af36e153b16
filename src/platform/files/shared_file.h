#pragma once
// Files an installed copy shares with every working folder (the stop
// sound), copied into a working folder that has none of its own.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::platform {

// Where the shared files may be, best first: share/kolvar beside the
// program's own bin folder (a copy installed under another prefix, or
// unpacked somewhere by hand), then the folder this build installs to.
std::vector<std::filesystem::path> shared_folders(const std::filesystem::path& program_folder);

// Copies `name` from the first of `folders` that holds it into `working`,
// unless `working` already has an entry of that name: the operator's own
// file is never replaced. Tells the file copied, or nothing. Never throws:
// a missing file shows later, when the program tries to use it.
std::optional<std::filesystem::path> copy_shared_file_if_missing(
    const std::filesystem::path& working, const std::string& name,
    const std::vector<std::filesystem::path>& folders);

}  // namespace kolvar::platform
