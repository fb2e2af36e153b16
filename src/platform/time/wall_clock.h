#pragma once
// The date and time on the operator's calendar, for what a person reads (a
// record's file name, its wall-time column). Like the monotonic clock it is
// given to the code, so a test or the scenario runner can fix it.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/time/clock.h"

namespace kolvar::platform {

using LocalTime = std::chrono::local_seconds;

class WallClock {
 public:
  virtual ~WallClock() = default;
  virtual LocalTime now() const = 0;
};

// The system's clock in the local time zone.
class SystemWallClock : public WallClock {
 public:
  LocalTime now() const override;
};

// A fixed moment plus the time of a (virtual) clock, so a run on virtual time
// gets the same dates every time.
class FollowingWallClock : public WallClock {
 public:
  FollowingWallClock(const Clock& clock, LocalTime start) : clock_(clock), start_(start) {}
  LocalTime now() const override;

 private:
  const Clock& clock_;
  LocalTime start_;
};

// "2024-05-01 10:00:02"
std::string date_time_text(LocalTime time);
// "2024-05-01_10-00-02": the same moment as a file name takes it everywhere.
std::string file_stamp(LocalTime time);
// The moment of date_time_text's form; nullopt for anything else.
std::optional<LocalTime> parse_date_time(std::string_view text);

}  // namespace kolvar::platform
