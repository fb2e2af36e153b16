#pragma once
// Names of the temporary files that a save writes beside its target before
// renaming them over it: "<target>.<pid>-<n>.tmp", so that two processes, or
// two saves of one process, never share one.
#include <filesystem>

namespace kolvar::platform {

// A fresh temporary name in the target's folder.
std::filesystem::path new_temporary_path(const std::filesystem::path& target);

// Removes the target's temporaries left behind by processes that no longer
// run (a save cut short by a crash or a kill). Those of running processes,
// this one included, are left alone; every error is ignored.
void remove_stale_temporaries(const std::filesystem::path& target);

}  // namespace kolvar::platform
