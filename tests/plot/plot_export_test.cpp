// The plot out as PNG and SVG, and a past run's record opened in the window.
#include "plot/plot_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSvgRenderer>

#include "chart/role_style.h"
#include "plot/plot_window.h"
#include "support/temp_folder.h"

namespace kolvar::plot {
namespace {

const std::string kRecord = std::string(KOLVAR_PLOT_DATA) + "/short_run.csv";

TEST(PlotExport, WritesAPngAndAnSvgOfThePlotAndReportsAFileItCannotWrite) {
  kolvar::testing::TempFolder folder;
  PlotWindow window;
  ASSERT_EQ(window.open_record(QString::fromStdString(kRecord)), QString());
  const chart::PlotModel& model = window.model();
  const chart::Span span = window.plot().span();
  const QString png = QString::fromStdString((folder.path() / "run.png").string());
  const QString svg = QString::fromStdString((folder.path() / "run.svg").string());

  ASSERT_EQ(save_png(model, span, {800, 400}, png), QString());
  QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(800, 400));
  // The curves are there: each role's colour is painted somewhere.
  for (std::size_t role = 0; role < 4; ++role) {
    const chart::Colour c = chart::role_colour(role);
    const QColor expected(c.red, c.green, c.blue);
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
      for (int x = 0; x < image.width() && !found; ++x) found = image.pixelColor(x, y) == expected;
    EXPECT_TRUE(found) << role;
  }

  ASSERT_EQ(save_svg(model, span, {800, 400}, svg), QString());
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 800, 400));

  const QString nowhere = QString::fromStdString((folder.path() / "no" / "run.png").string());
  EXPECT_NE(save_png(model, span, {800, 400}, nowhere), QString());
  EXPECT_NE(save_svg(model, span, {800, 400}, nowhere + ".svg"), QString());
  EXPECT_FALSE(QFile::exists(nowhere));

  // A record that does not read leaves the window as it was.
  const QString title = window.windowTitle();
  EXPECT_NE(window.open_record(
                QString::fromStdString(std::string(KOLVAR_PLOT_DATA) + "/not_a_record.csv")),
            QString());
  EXPECT_EQ(window.windowTitle(), title);
  EXPECT_EQ(window.model().points().points(), 45u);
}

TEST(PlotExport, TheWindowKeepsARunBehindAcrossARecordOpenedAndKeepsItsOwnOnAFailure) {
  PlotWindow window;
  ASSERT_EQ(window.open_record(QString::fromStdString(kRecord)), QString());
  const QString missing = QString::fromStdString(std::string(KOLVAR_PLOT_DATA) + "/missing.csv");
  EXPECT_NE(window.open_background(missing), QString());
  EXPECT_FALSE(window.background());

  ASSERT_EQ(window.open_background(QString::fromStdString(kRecord)), QString());
  ASSERT_TRUE(window.background());
  EXPECT_EQ(window.background()->label.rfind("Фон: short_run.csv", 0), 0u);
  EXPECT_NE(window.open_background(missing), QString());
  EXPECT_TRUE(window.background()) << "a failure keeps the run behind";
  ASSERT_EQ(window.open_record(QString::fromStdString(kRecord)), QString());
  EXPECT_TRUE(window.background()) << "today's run changes, the past one stays";
}

}  // namespace
}  // namespace kolvar::plot
