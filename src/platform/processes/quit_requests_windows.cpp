#include "platform/processes/quit_requests.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <system_error>

namespace kolvar::platform {

namespace {

// The system calls the handler on a thread of its own: it reaches only
// these. One bit per console event received and not yet taken.
std::atomic<unsigned> pending{0};
std::atomic<HANDLE> wake{nullptr};

BOOL WINAPI on_console_event(DWORD event) {
  if (event >= 32) return FALSE;
  pending.fetch_or(1u << event);
  if (HANDLE handle = wake.load()) SetEvent(handle);
  // A closed console, a log-off or a shut-down ends the process as soon as
  // this returns: it waits instead, and the process ends when the event loop
  // has stopped the column, or when the system's time for it is up.
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
    Sleep(INFINITE);
  return TRUE;
}

}  // namespace

QuitRequests::QuitRequests() {
  if (wake.load() != nullptr) throw std::logic_error("quit requests are taken over already");
  // Manual reset: it stays set until take() has seen every request.
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (event == nullptr)
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "CreateEvent");
  wake.store(event);
  if (!SetConsoleCtrlHandler(on_console_event, TRUE)) {
    const auto error = static_cast<int>(GetLastError());
    wake.store(nullptr);
    CloseHandle(event);
    throw std::system_error(error, std::system_category(), "SetConsoleCtrlHandler");
  }
  handle_ = reinterpret_cast<WaitHandle>(event);
}

QuitRequests::~QuitRequests() {
  SetConsoleCtrlHandler(on_console_event, FALSE);
  wake.store(nullptr);
  pending.store(0);
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::vector<int> QuitRequests::take() {
  // Reset first: a request that comes meanwhile sets it again.
  ResetEvent(reinterpret_cast<HANDLE>(handle_));
  const unsigned taken = pending.exchange(0);
  std::vector<int> events;
  for (int event = 0; event < 32; ++event)
    if (taken & (1u << event)) events.push_back(event);
  return events;
}

}  // namespace kolvar::platform
