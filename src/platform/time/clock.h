#pragma once
// Time is given to the code, never read by it: whoever drives the timers owns
// the clock, and every service that stamps an event asks it.
#include <chrono>
#include <cstdint>

namespace kolvar::platform {

using Millis = std::int64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Millis now() const = 0;
};

// The monotonic clock (the one std::chrono::steady_clock reads) in
// milliseconds: what a program on real time gives the code that needs time.
inline Millis monotonic_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace kolvar::platform
