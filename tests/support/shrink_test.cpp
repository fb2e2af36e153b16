#include "support/shrink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kolvar::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Fails while 3 comes before 7, with anything between.
bool three_then_seven(const std::vector<int>& items) {
  const auto three = std::find(items.begin(), items.end(), 3);
  return three != items.end() && std::find(three, items.end(), 7) != items.end();
}

TEST(Shrink, KeepsOnlyTheItemsTheFailureNeeds) {
  struct Case {
    std::vector<int> items;
    std::vector<int> fewest;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {3, 7}},
      {{3, 7}, {3, 7}},
      {{7, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 3}, {3, 7}},
      // Two 3s: either will do, and the failure holds with one.
      {{3, 3, 3, 9, 9, 9, 9, 7, 9}, {3, 7}},
  };
  for (const Case& c : cases) {
    int tries = 0;
    const auto fewest = shrink(c.items, [&](const std::vector<int>& items) {
      ++tries;
      return three_then_seven(items);
    });
    EXPECT_THAT(fewest, ElementsAreArray(c.fewest));
    EXPECT_LE(tries, 4 * static_cast<int>(c.items.size() * c.items.size()));
  }
}

TEST(Shrink, NoSingleItemCanGoFromTheResult) {
  // Fails while the sum reaches 10: no chunk of halving size finds the
  // smallest set, but removing single items ends where each one counts.
  const auto fewest =
      shrink(std::vector<int>{1, 4, 1, 4, 1, 4, 1}, [](const std::vector<int>& items) {
        int sum = 0;
        for (int item : items) sum += item;
        return sum >= 10;
      });
  int sum = 0;
  for (int item : fewest) sum += item;
  EXPECT_GE(sum, 10);
  for (int item : fewest) EXPECT_LT(sum - item, 10) << item;
}

TEST(Shrink, AnEmptyFailingInputStaysEmpty) {
  EXPECT_THAT(shrink(std::vector<int>{}, [](const std::vector<int>&) { return true; }),
              ElementsAre());
  EXPECT_THAT(shrink(std::vector<int>{5, 6}, [](const std::vector<int>&) { return true; }),
              ElementsAre());
}

}  // namespace
}  // namespace kolvar::testing
