#include "logger/host.h"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <system_error>

#include "logger/usage_error.h"

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

// Documents\Kolvar\<name>: the working folder that the installer makes and
// Kolvar's own Start-menu entry starts in, so the logger's files sit beside
// the settings that name them.
fs::path documents_path(const char* name) {
  PWSTR documents = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &documents);
  fs::path path;
  if (SUCCEEDED(result) && documents != nullptr) path = fs::path(documents) / L"Kolvar" / name;
  CoTaskMemFree(documents);
  if (path.empty()) {
    throw UsageError(std::string("Windows names no Documents folder, so there is no default ") +
                     name + "; give its path with an option");
  }
  return path;
}

// The system calls the handler on a thread of its own; it reaches only this.
std::atomic<HANDLE> stop_event{nullptr};

BOOL WINAPI on_console_event(DWORD event) {
  if (HANDLE handle = stop_event.load()) SetEvent(handle);
  // A closed console, a log-off or a shut-down ends the process as soon as
  // this returns: it waits instead, so the line being written is finished
  // and the process ends when the loop has stopped (or the system's time
  // for it is up).
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
    Sleep(INFINITE);
  return TRUE;
}

}  // namespace

TimeOfDay local_time_of_day() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return {local.wHour, local.wMinute, local.wSecond};
}

fs::path default_config_path() {
  return documents_path("logger.conf");
}

fs::path default_log_path() {
  return documents_path("temperatures.log");
}

struct StopRequests::State {
  HANDLE event = nullptr;
};

StopRequests::StopRequests() : state_(std::make_unique<State>()) {
  if (stop_event.load() != nullptr) throw std::logic_error("stop requests are taken over already");
  // Manual reset: once asked, every later wait says so too.
  state_->event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (state_->event == nullptr)
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateEvent");
  stop_event.store(state_->event);
  // Without a console (started by a program that gave it none) there is
  // nothing to stop it but the end of its process: no handler is needed.
  SetConsoleCtrlHandler(on_console_event, TRUE);
}

StopRequests::~StopRequests() {
  SetConsoleCtrlHandler(on_console_event, FALSE);
  stop_event.store(nullptr);
  CloseHandle(state_->event);
}

bool StopRequests::wait(int wait_ms) {
  const DWORD timeout = wait_ms > 0 ? static_cast<DWORD>(wait_ms) : 0;
  return WaitForSingleObject(state_->event, timeout) == WAIT_OBJECT_0;
}

}  // namespace kolvar::logger
