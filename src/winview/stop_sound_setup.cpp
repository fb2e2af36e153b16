#include "winview/stop_sound_setup.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/system_stop.h"
#include "platform/files/shared_file.h"
#include "winview/win32.h"

namespace kolvar::winview {

namespace {

std::filesystem::path program_folder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0) return {};
    if (got < path.size()) {
      path.resize(got);
      return std::filesystem::path(path).parent_path();
    }
    path.resize(path.size() * 2);  // a long path: ask again with room for it
  }
}

}  // namespace

void provide_stop_sound() {
  std::error_code error;
  const std::filesystem::path working = std::filesystem::current_path(error);
  if (error) return;
  const std::filesystem::path folder = program_folder();
  if (folder.empty()) return;
  // The installer puts it beside the program; an unpacked copy may keep it
  // where the Linux layout does.
  std::vector<std::filesystem::path> folders{folder};
  for (auto& shared : platform::shared_folders(folder)) folders.push_back(shared);
  platform::copy_shared_file_if_missing(working, core::kStopSoundFile, folders);
}

}  // namespace kolvar::winview
