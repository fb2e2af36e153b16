#pragma once
// The valve's open periods as time spans, neighbours that touch merged. The
// list stays bounded however long the run: past a limit, the shortest closings
// are bridged (a few seconds of a closed valve cannot be seen on a run of
// hours), doubling the length bridged each time.
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/time/clock.h"

namespace kolvar::chart {

struct Period {
  platform::Millis from;
  platform::Millis to;
  bool operator==(const Period&) const = default;
};

class OpenPeriods {
 public:
  explicit OpenPeriods(std::size_t limit = 4096) : limit_(limit < 2 ? 2 : limit) {}

  // The valve as a sample saw it at `time` (none: never switched yet). A
  // period lasts from the first sample that sees it open to the first that
  // sees it closed, so a valve open for one cycle still shows.
  void add(platform::Millis time, std::optional<bool> open);
  void clear();

  const std::vector<Period>& periods() const { return periods_; }
  // The longest closing that may have been bridged; 0 while none was.
  platform::Millis bridged() const { return bridged_; }

 private:
  void compact();

  std::size_t limit_;
  std::vector<Period> periods_;
  bool open_ = false;
  platform::Millis bridged_ = 0;
};

}  // namespace kolvar::chart
