// Zoom and pan through the widget's mouse, and following again through the
// window's "Следить".
#include "plot/plot_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "chart/plot_samples.h"
#include "plot/plot_painter.h"
#include "plot/plot_window.h"

namespace kolvar::plot {
namespace {

TEST(PlotWindow, WheelAndDragDropFollowingWhichTheButtonBringsBack) {
  PlotWindow window;
  window.resize(900, 500);
  window.model().start({});
  for (int i = 0; i < 1800; ++i) window.model().add(chart::testing::sample_at(i * 2000, "78.0"));
  window.show();
  PlotWidget& plot = window.plot();
  const chart::Span whole = plot.span();
  EXPECT_EQ(whole, (chart::Span{0, 1799 * 2000}));
  ASSERT_TRUE(window.follow_action().isChecked());

  // One notch in at the plot area's middle: a fifth narrower around it.
  const QRect area = plot_area(plot.size());
  const QPointF middle(area.left() + area.width() / 2.0, area.center().y());
  QWheelEvent wheel(middle, plot.mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&plot, &wheel);
  const chart::Span zoomed = plot.span();
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
  const chart::Span before = plot.span();
  QApplication::sendEvent(&plot, &press);
  QApplication::sendEvent(&plot, &move);
  QApplication::sendEvent(&plot, &release);
  EXPECT_NEAR(static_cast<double>(before.from - plot.span().from), before.width() / 10.0, 1.0);
  EXPECT_FALSE(window.follow_action().isChecked());
}

}  // namespace
}  // namespace kolvar::plot
