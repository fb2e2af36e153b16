#pragma once
// What an event loop watches for a platform object that wakes it: on POSIX a
// file descriptor that turns readable, on Windows a HANDLE that turns
// signalled. Either fits in an integer, so the toolkit's side (a socket
// notifier, a wait on handles) takes it without seeing the system's headers.
#include <cstdint>

namespace kolvar::platform {

using WaitHandle = std::intptr_t;

}  // namespace kolvar::platform
