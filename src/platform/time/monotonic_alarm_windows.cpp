#include "platform/time/monotonic_alarm.h"

#include <windows.h>

#include <algorithm>
#include <ratio>
#include <system_error>

// Windows 10 (1803) and later; older headers do not name it.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace kolvar::platform {

namespace {

HANDLE timer_of(WaitHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

[[noreturn]] void fail(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// A wake-up that went off and was not taken yet is taken now.
void quiet(WaitHandle handle) {
  WaitForSingleObject(timer_of(handle), 0);
}

}  // namespace

MonotonicAlarm::MonotonicAlarm() {
  // An auto-reset timer: the wait that sees it gone off also quiets it. A
  // high-resolution one where Windows has it, else one at the system's tick.
  HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
  if (timer == nullptr) timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
  if (timer == nullptr) fail("CreateWaitableTimerEx");
  handle_ = reinterpret_cast<WaitHandle>(timer);
}

MonotonicAlarm::~MonotonicAlarm() {
  CloseHandle(timer_of(handle_));
}

void MonotonicAlarm::arm(std::chrono::steady_clock::time_point at) {
  // steady_clock reads the performance counter, which the timer does not
  // take; a due time relative to now means the same moment on both.
  using Ticks = std::chrono::duration<long long, std::ratio<1, 10000000>>;  // 100 ns
  const long long from_now =
      std::chrono::ceil<Ticks>(at - std::chrono::steady_clock::now()).count();
  LARGE_INTEGER due;
  due.QuadPart = -std::max(from_now, 1LL);  // negative: relative to now
  quiet(handle_);
  if (!SetWaitableTimer(timer_of(handle_), &due, 0, nullptr, nullptr, FALSE))
    fail("SetWaitableTimer");
}

void MonotonicAlarm::disarm() {
  CancelWaitableTimer(timer_of(handle_));
  quiet(handle_);
}

bool MonotonicAlarm::take() {
  return WaitForSingleObject(timer_of(handle_), 0) == WAIT_OBJECT_0;
}

}  // namespace kolvar::platform
