#include "winview/scale_memory.h"

#include <string>

#include "desk/scale_file.h"
#include "winview/win32.h"

namespace kolvar::winview {

std::optional<std::filesystem::path> scale_file_path() {
  std::wstring folder(MAX_PATH, L'\0');
  DWORD length = GetEnvironmentVariableW(L"APPDATA", folder.data(), MAX_PATH);
  if (length >= MAX_PATH) {
    folder.resize(length);
    length = GetEnvironmentVariableW(L"APPDATA", folder.data(), length);
  }
  if (length == 0 || length >= folder.size()) return std::nullopt;
  folder.resize(length);
  return std::filesystem::path(folder) / L"Kolvar" / L"window.conf";
}

std::optional<int> remembered_scale() {
  const auto path = scale_file_path();
  return path ? desk::read_scale_file(*path) : std::nullopt;
}

void remember_scale(int percent) {
  if (const auto path = scale_file_path()) desk::write_scale_file(*path, percent);
}

}  // namespace kolvar::winview
