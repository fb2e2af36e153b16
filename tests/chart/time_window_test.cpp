// Which stretch the time axis shows: following the run, zoom and pan.
#include "chart/time_window.h"

#include <gtest/gtest.h>

namespace kolvar::chart {
namespace {

constexpr platform::Millis kMin = 60'000;

TEST(TimeWindow, FollowsTheRunUntilAZoomOrAPanAndThenFollowsAtTheChosenWidth) {
  TimeWindow w;
  EXPECT_TRUE(w.following());
  EXPECT_EQ(w.span(0, 2000), (Span{0, TimeWindow::kLeast})) << "a young run gets some room";
  EXPECT_EQ(w.span(0, 120 * kMin), (Span{0, 120 * kMin})) << "then the whole run";

  // Zooming in at a quarter of the width keeps the time there in place.
  w.zoom({0, 120 * kMin}, 0.5, 0.25);
  EXPECT_FALSE(w.following());
  EXPECT_EQ(w.span(0, 121 * kMin), (Span{15 * kMin, 75 * kMin})) << "fixed, the run goes on";

  w.pan({15 * kMin, 75 * kMin}, -20 * kMin);
  EXPECT_EQ(w.span(0, 121 * kMin), (Span{-5 * kMin, 55 * kMin}));

  w.follow();
  EXPECT_EQ(w.span(0, 130 * kMin), (Span{70 * kMin, 130 * kMin})) << "the latest hour";
  EXPECT_EQ(w.span(0, 30 * kMin), (Span{0, 60 * kMin})) << "a run shorter than the width";

  w.zoom({0, 60 * kMin}, 1e-6, 0.5);
  EXPECT_EQ(w.span(0, 0).width(), TimeWindow::kNarrowest);
  w.whole_run();
  EXPECT_EQ(w.span(0, 130 * kMin), (Span{0, 130 * kMin}));
}

}  // namespace
}  // namespace kolvar::chart
