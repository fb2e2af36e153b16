#include "platform/files/atomic_replace.h"

#include <windows.h>

#include <algorithm>

#include "platform/files/temporary_files.h"
#include "platform/windows_error.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;

// Writes a new file and waits until its content is on the disk.
std::error_code write_durably(const fs::path& file, std::string_view content) {
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return last_windows_error();
  std::error_code ec;
  while (!ec && !content.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(h, content.data(), chunk, &written, nullptr)) ec = last_windows_error();
    content.remove_prefix(written);
  }
  if (!ec && !FlushFileBuffers(h)) ec = last_windows_error();
  if (!CloseHandle(h) && !ec) ec = last_windows_error();
  return ec;
}

}  // namespace

std::error_code detail::replace_file(const fs::path& target, std::string_view content) {
  // MoveFileEx refuses to replace a read-only file, which keeps the owner's
  // protection as writing in place did.
  remove_stale_temporaries(target);
  fs::path temporary = new_temporary_path(target);
  std::error_code ec = write_durably(temporary, content);
  if (!ec && !MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ec = last_windows_error();
  }
  if (ec) DeleteFileW(temporary.c_str());
  return ec;
}

}  // namespace kolvar::platform
