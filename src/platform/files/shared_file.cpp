#include "platform/files/shared_file.h"

#include <system_error>

namespace kolvar::platform {

namespace fs = std::filesystem;

std::vector<fs::path> shared_folders(const fs::path& program_folder) {
  return {program_folder / ".." / "share" / "kolvar", fs::path(KOLVAR_DATA_DIR)};
}

std::optional<fs::path> copy_shared_file_if_missing(const fs::path& working,
                                                    const std::string& name,
                                                    const std::vector<fs::path>& folders) {
  std::error_code error;
  const fs::path target = working / name;
  // symlink_status: a dangling link or a folder of that name is the
  // operator's too.
  if (fs::exists(fs::symlink_status(target, error)) || !fs::is_directory(working, error)) {
    return std::nullopt;
  }
  for (const fs::path& folder : folders) {
    const fs::path source = folder / name;
    if (!fs::is_regular_file(source, error)) continue;
    // copy_options::none refuses to overwrite, so a file that appeared
    // meanwhile stays as it is.
    if (fs::copy_file(source, target, fs::copy_options::none, error)) return source;
    // A copy cut short (a full disk) would pass for the operator's own
    // file at the next start: take it back.
    if (error != std::errc::file_exists) fs::remove(target, error);
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kolvar::platform
