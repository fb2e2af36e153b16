#include "platform/windows_error.h"

#include <windows.h>

namespace kolvar::platform {

std::error_code windows_error(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
      return make_error_code(std::errc::permission_denied);
    case ERROR_WRITE_PROTECT:
      return make_error_code(std::errc::read_only_file_system);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return make_error_code(std::errc::no_space_on_device);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return make_error_code(std::errc::device_or_resource_busy);
    case ERROR_DIRECTORY:
      return make_error_code(std::errc::not_a_directory);
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
      return make_error_code(std::errc::executable_format_error);
    default:
      return {static_cast<int>(code), std::system_category()};
  }
}

std::error_code last_windows_error() {
  return windows_error(GetLastError());
}

}  // namespace kolvar::platform
