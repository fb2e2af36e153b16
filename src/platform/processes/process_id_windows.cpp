#include "platform/processes/process_id.h"

#include <windows.h>

namespace kolvar::platform {

long long current_process_id() {
  return static_cast<long long>(GetCurrentProcessId());
}

bool process_has_ended(long long pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  // Refused access means the process is there.
  if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

}  // namespace kolvar::platform
