#include "platform/processes/windows_launcher.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/system_reason.h"
#include "platform/wide_text.h"
#include "platform/windows_error.h"

namespace kolvar::platform {

void WindowsLauncher::start(const std::string& path) {
  const std::wstring program = wide_from_utf8(path);
  // The program gets its own name as its only argument, quoted whole.
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    throw Failure("Не удалось запустить программу: " + path + " (" +
                  system_reason(last_windows_error()) + ")");
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace kolvar::platform
