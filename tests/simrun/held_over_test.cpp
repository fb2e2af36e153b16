// The packing's rise over V(2) that ends the hearts, told from a touch.
#include "simrun/held_over.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace kolvar::simrun {
namespace {

constexpr platform::Millis kMinute = 60000;

struct Case {
  const char* what;
  std::vector<std::pair<platform::Millis, bool>> readings;  // minute, over
  std::optional<platform::Millis> rose;                     // minute, after the last reading
};

TEST(HeldOver, OnlyARiseThatHoldsCountsAndFromItsStart) {
  const std::vector<Case> cases{
      {"never over", {{0, false}, {5, false}, {20, false}}, std::nullopt},
      {"a touch, then under", {{0, false}, {1, true}, {2, false}, {30, false}}, std::nullopt},
      {"over for a minute short of the hold", {{0, true}, {9, true}}, std::nullopt},
      {"held exactly the hold", {{3, true}, {13, true}}, 3},
      {"held on past the hold", {{3, true}, {13, true}, {40, true}}, 3},
      // A dip under the threshold starts the count again.
      {"touches, then a rise that holds",
       {{1, true}, {8, true}, {9, false}, {10, true}, {15, false}, {16, true}, {26, true}},
       16},
      {"held, then fell", {{0, true}, {10, true}, {11, false}}, std::nullopt},
  };
  for (const Case& c : cases) {
    HeldOver packing(10 * kMinute);
    std::optional<platform::Millis> rose;
    for (const auto& [minute, over] : c.readings) rose = packing.update(minute * kMinute, over);
    std::optional<platform::Millis> expected;
    if (c.rose) expected = *c.rose * kMinute;
    EXPECT_EQ(rose, expected) << c.what;
    EXPECT_EQ(packing.rising(), c.readings.back().second) << c.what;
  }
}

}  // namespace
}  // namespace kolvar::simrun
