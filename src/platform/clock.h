#pragma once
// Time is given to the code, never read by it: whoever drives the timers owns
// the clock, and every service that stamps an event asks it.
#include <cstdint>

namespace kolvar::platform {

using Millis = std::int64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Millis now() const = 0;
};

}  // namespace kolvar::platform
