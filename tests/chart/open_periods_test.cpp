// The valve's open periods: each one seen, and a bounded list however long
// the run.
#include "chart/open_periods.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace kolvar::chart {
namespace {

TEST(OpenPeriods, SpanFromTheFirstSampleSeenOpenToTheFirstSeenClosed) {
  using Seq = std::vector<std::pair<platform::Millis, std::optional<bool>>>;
  const std::vector<std::tuple<const char*, Seq, std::vector<Period>>> cases = {
      {"never switched", {{0, std::nullopt}, {2, std::nullopt}}, {}},
      {"one cycle open", {{0, false}, {2, true}, {4, false}}, {{2, 4}}},
      {"open to the end", {{0, true}, {2, true}, {4, true}}, {{0, 4}}},
      {"two openings",
       {{0, true}, {2, false}, {4, false}, {6, true}, {8, false}},
       {{0, 2}, {6, 8}}},
      {"closed then open at once",
       {{0, true}, {2, false}, {4, true}, {6, std::nullopt}},
       {{0, 2}, {4, 6}}},
  };
  for (const auto& [name, seq, expected] : cases) {
    SCOPED_TRACE(name);
    OpenPeriods periods;
    for (const auto& [t, open] : seq) periods.add(t, open);
    EXPECT_EQ(periods.periods(), expected);
  }
}

TEST(OpenPeriods, StayBoundedOnAValveThatSwitchesEveryCycleAndLoseNoOpenTime) {
  OpenPeriods periods(64);
  std::vector<platform::Millis> open_times;
  for (int i = 0; i < 5000; ++i) {
    const bool open = i % 3 != 0;  // 4 s open, 2 s closed
    periods.add(i * 2000, open);
    if (open) open_times.push_back(i * 2000);
  }
  EXPECT_LE(periods.periods().size(), 64u);
  EXPECT_GT(periods.bridged(), 0);
  const auto& p = periods.periods();
  for (std::size_t i = 1; i < p.size(); ++i) {
    EXPECT_LT(p[i - 1].to, p[i].from) << "merged periods neither touch nor overlap";
  }
  for (platform::Millis t : open_times) {
    const bool covered =
        std::any_of(p.begin(), p.end(), [t](const Period& q) { return q.from <= t && t <= q.to; });
    ASSERT_TRUE(covered) << t;
  }
}

}  // namespace
}  // namespace kolvar::chart
