// The mouse's ways through the plot's time, as both plot windows take them:
// where a zoom is anchored, what a drag moves, and when following is told.
#include "chart/plot_navigation.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/plot_samples.h"

namespace kolvar::chart {
namespace {

struct Navigated {
  Navigated() {
    model.start({});
    for (int i = 0; i < 1800; ++i) model.add(testing::sample_at(i * 2000, "78.0"));
    navigation.on_following([this](bool following) { told.push_back(following); });
  }
  PlotModel model;
  PlotNavigation navigation{model};
  std::vector<bool> told;
};

TEST(PlotNavigation, ANotchZoomsAFifthAroundTheCursor) {
  Navigated n;
  const Span whole = n.navigation.span();
  // At the area's left edge the left stays; the turn the other way undoes it.
  n.navigation.wheel(120, 0, 800);
  Span zoomed = n.navigation.span();
  EXPECT_NEAR(static_cast<double>(zoomed.width()), 0.8 * whole.width(), 2.0);
  EXPECT_NEAR(static_cast<double>(zoomed.from), static_cast<double>(whole.from), 2.0);
  n.navigation.wheel(-120, 0, 800);
  EXPECT_NEAR(static_cast<double>(n.navigation.span().width()), whole.width(), 2.0);
  // No turn at all is no zoom, and tells nothing.
  const Span before = n.navigation.span();
  n.navigation.wheel(0, 400, 800);
  EXPECT_EQ(n.navigation.span(), before);
  EXPECT_EQ(n.told, std::vector<bool>{false}) << "following stops once";
}

TEST(PlotNavigation, ADragMovesByItsShareOfTheAreaOnlyAfterAPress) {
  Navigated n;
  n.navigation.wheel(120, 400, 800);
  const Span before = n.navigation.span();
  n.navigation.drag(500, 800);
  EXPECT_EQ(n.navigation.span(), before) << "a move without a press";
  n.navigation.press(100);
  n.navigation.drag(180, 800);  // a tenth of the area to the right: a tenth earlier
  EXPECT_NEAR(static_cast<double>(before.from - n.navigation.span().from), before.width() / 10.0,
              1.0);
  // Measured from the press, not from the last move.
  n.navigation.drag(180, 800);
  EXPECT_NEAR(static_cast<double>(before.from - n.navigation.span().from), before.width() / 10.0,
              1.0);
  n.navigation.release();
  EXPECT_FALSE(n.navigation.dragging());
}

TEST(PlotNavigation, FollowingIsToldWhenItStartsOrStopsOnly) {
  Navigated n;
  n.navigation.follow();
  EXPECT_TRUE(n.told.empty()) << "it followed already";
  n.navigation.press(0);
  n.navigation.drag(50, 800);
  n.navigation.whole_run();
  EXPECT_EQ(n.told, (std::vector<bool>{false, true}));
  EXPECT_EQ(n.navigation.span(), (Span{0, 1799 * 2000}));
}

}  // namespace
}  // namespace kolvar::chart
