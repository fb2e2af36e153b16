// Following the run, zoom and pan: in the time window, then through the
// widget's mouse and the window's "Следить".
#include "plot/time_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "plot/plot_painter.h"
#include "plot/plot_window.h"
#include "plot_samples.h"

namespace kolvar::plot {
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

TEST(PlotWindow, WheelAndDragDropFollowingWhichTheButtonBringsBack) {
  PlotWindow window;
  window.resize(900, 500);
  window.model().start({});
  for (int i = 0; i < 1800; ++i) window.model().add(testing::sample_at(i * 2000, "78.0"));
  window.show();
  PlotWidget& plot = window.plot();
  const Span whole = plot.span();
  EXPECT_EQ(whole, (Span{0, 1799 * 2000}));
  ASSERT_TRUE(window.follow_action().isChecked());

  // One notch in at the plot area's middle: a fifth narrower around it.
  const QRect area = plot_area(plot.size());
  const QPointF middle(area.left() + area.width() / 2.0, area.center().y());
  QWheelEvent wheel(middle, plot.mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&plot, &wheel);
  const Span zoomed = plot.span();
  EXPECT_NEAR(static_cast<double>(zoomed.width()), 0.8 * whole.width(), 2.0);
  EXPECT_NEAR(static_cast<double>(zoomed.from + zoomed.to) / 2, whole.to / 2.0, area.width());
  EXPECT_FALSE(window.follow_action().isChecked());

  window.follow_action().trigger();
  EXPECT_TRUE(window.follow_action().isChecked());
  EXPECT_EQ(plot.span().to, whole.to);
  EXPECT_EQ(plot.span().width(), zoomed.width());

  // A drag to the right by a tenth of the area shows a tenth earlier.
  const QPointF from(area.left() + 100.0, middle.y());
  const QPointF to = from + QPointF(area.width() / 10.0, 0);
  QMouseEvent press(QEvent::MouseButtonPress, from, plot.mapToGlobal(from), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent move(QEvent::MouseMove, to, plot.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, to, plot.mapToGlobal(to), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  const Span before = plot.span();
  QApplication::sendEvent(&plot, &press);
  QApplication::sendEvent(&plot, &move);
  QApplication::sendEvent(&plot, &release);
  EXPECT_NEAR(static_cast<double>(before.from - plot.span().from), before.width() / 10.0, 1.0);
  EXPECT_FALSE(window.follow_action().isChecked());
}

}  // namespace
}  // namespace kolvar::plot
