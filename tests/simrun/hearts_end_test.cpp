// When the hearts end: the packing standing over V(2), or holding the
// take-off back, told from a touch the regulation answers and from a
// take-off the head slowed.
#include "simrun/hearts_end.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace kolvar::simrun {
namespace {

constexpr platform::Millis kMinute = 60000;

struct Case {
  const char* what;
  // Minute by minute from the head's settling: is the packing over V(2),
  // and how many litres came off in that minute.
  std::function<bool(int)> over;
  std::function<double(int)> litres;
  int minutes;
  std::optional<int> ended;        // the minute
  std::optional<int> tails_since;  // the minute
};

TEST(HeartsEnd, ThePackingStandingOverOrHoldingTheTakeoffBackEndsThem) {
  const auto never = [](int) { return false; };
  const auto steady = [](int) { return 0.03; };
  const std::vector<Case> cases{
      {"never over, steady take-off", never, steady, 300, std::nullopt, std::nullopt},
      {"a touch every quarter hour, answered", [](int m) { return m % 15 == 0; }, steady, 300,
       std::nullopt, std::nullopt},
      // From minute 100 on, over two minutes in three, each reading standing
      // until the next: fifteen minutes over by minute 122.
      {"stands over", [](int m) { return m >= 100 && m % 3 != 2; }, steady, 300, 122, 100},
      {"over all the time from its settling, judged after a full window", [](int) { return true; },
       steady, 100, 30, 0},
      // The valve closed on every touch: from minute 200 a tenth of the
      // take-off; by minute 224 the half hour's mean, 0.0084 L/min, is
      // under a third of the pace since the settling, 0.0271.
      {"touches and a take-off held back", [](int m) { return m >= 200 && m % 5 == 0; },
       [](int m) { return m < 200 ? 0.03 : 0.003; }, 400, 224, 200},
      {"a take-off slowed with the packing under V(2): the head's doing", never,
       [](int m) { return m < 200 ? 0.03 : 0.0; }, 400, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    HeartsEnd hearts;
    std::optional<platform::Millis> ended;
    double litres = 5;  // the heads, before the head settled
    for (int m = 0; m <= c.minutes; ++m) {
      ended = hearts.update(m * kMinute, c.over(m), litres);
      litres += c.litres(m);
    }
    if (c.ended) {
      ASSERT_TRUE(ended) << c.what;
      EXPECT_EQ(*ended, *c.ended * kMinute) << c.what;
      ASSERT_TRUE(hearts.tails_since()) << c.what;
      EXPECT_EQ(*hearts.tails_since(), *c.tails_since * kMinute) << c.what;
    } else {
      EXPECT_FALSE(ended) << c.what;
    }
  }
}

}  // namespace
}  // namespace kolvar::simrun
