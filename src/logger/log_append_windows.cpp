#include "logger/log_append.h"

#include <windows.h>

#include <system_error>

#include "platform/windows_error.h"

namespace kolvar::logger {

void append_line(const std::filesystem::path& log, std::string_view line) {
  // Append-only access: the system puts each write at the end of the file as
  // one piece, whoever else has it open. Every sharing mode is granted, so
  // Kolvar reading the log, or the operator moving it, never stops a line.
  HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::system_error(platform::last_windows_error(), log.string());
  DWORD written = 0;
  const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  const DWORD error = ok ? ERROR_HANDLE_DISK_FULL : GetLastError();
  CloseHandle(file);
  // A short write means the disk is full; it is reported like any other
  // failure, not completed by a second write.
  if (!ok || written != line.size())
    throw std::system_error(platform::windows_error(error), log.string());
}

}  // namespace kolvar::logger
