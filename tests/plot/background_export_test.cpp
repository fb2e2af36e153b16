// kolvar-plot --background on two runs of the simulated column: the past,
// longer run faded behind, where only it has data, in the PNG and the SVG.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "chart/background_run.h"
#include "chart/plot_scene.h"
#include "chart/record_file.h"
#include "chart/role_style.h"
#include "support/temp_folder.h"

namespace kolvar::plot {
// Named, not anonymous: a unity build puts these beside the other tests.
namespace background_export_test {

constexpr int kWidth = 900, kHeight = 450;

// Runs `program` in `folder` to its end; its exit status, or -1.
int run(const QString& program, const QStringList& args, const QString& folder) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.setStandardOutputFile(QProcess::nullDevice());
  p.start(program, args);
  if (!p.waitForFinished(120'000)) {
    p.kill();
    p.waitForFinished();
    return -1;
  }
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// A headless run of `hours` at `watts` in a folder of its own; its record.
QString simulated_record(const QString& folder, const char* hours, const char* watts) {
  QDir().mkpath(folder);
  EXPECT_EQ(run(KOLVAR_SIM_PROGRAM, {"--headless", "--hours", hours, "--power", watts}, folder), 0);
  const QStringList records = QDir(folder + "/runs").entryList({"*.csv"}, QDir::Files);
  return records.size() == 1 ? folder + "/runs/" + records.front() : QString();
}

chart::Colour colour_at(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

// Pixels of a faded role colour right of x = `from` within the plot's area.
int faded_pixels(const QImage& image, double from) {
  const chart::Box area = chart::plot_area({kWidth, kHeight});
  int count = 0;
  for (int x = static_cast<int>(from); x < static_cast<int>(area.right()) - 2; ++x)
    for (int y = static_cast<int>(area.top) + 2; y < static_cast<int>(area.bottom()) - 2; ++y)
      for (std::size_t role = 0; role < 4; ++role)
        count += colour_at(image, x, y) == chart::faded(chart::role_colour(role));
  return count;
}

TEST(BackgroundExport, DrawsThePastRunFadedWhereOnlyItHasData) {
  kolvar::testing::TempFolder temp;
  const QString folder = QString::fromStdString(temp.path().string());
  const QString today = simulated_record(folder + "/today", "0.5", "3000");
  const QString past = simulated_record(folder + "/past", "1", "1800");
  ASSERT_FALSE(today.isEmpty());
  ASSERT_FALSE(past.isEmpty());

  const QString size = QStringLiteral("%1x%2").arg(kWidth).arg(kHeight);
  ASSERT_EQ(
      run(KOLVAR_PLOT_PROGRAM,
          {today, "--background", past, "--png", "both.png", "--svg", "both.svg", "--size", size},
          folder),
      0);
  ASSERT_EQ(run(KOLVAR_PLOT_PROGRAM, {today, "--png", "alone.png", "--size", size}, folder), 0);

  // Where today's run ends on the axis that both share.
  chart::PlotModel own, behind;
  chart::load_record(today.toStdString(), own);
  chart::load_record(past.toStdString(), behind);
  ASSERT_LT(own.points().last_time(), behind.points().last_time());
  const chart::Span span = chart::shown_span(chart::TimeWindow(), own, &behind);
  const chart::Box area = chart::plot_area({kWidth, kHeight});
  const double end = area.left + static_cast<double>(own.points().last_time() - span.from) *
                                     area.width / static_cast<double>(span.width());

  const QImage both(folder + "/both.png");
  ASSERT_FALSE(both.isNull());
  EXPECT_GT(faded_pixels(both, end + 4), 100) << "the past run past today's end";
  EXPECT_EQ(faded_pixels(QImage(folder + "/alone.png"), area.left), 0);

  QFile svg(folder + "/both.svg");
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(svg.readAll());
  const chart::Colour pale = chart::faded(chart::role_colour(1));
  EXPECT_TRUE(text.contains(QColor(pale.red, pale.green, pale.blue).name(), Qt::CaseInsensitive));
  EXPECT_TRUE(text.contains(QStringLiteral("Фон: ")));
}

}  // namespace background_export_test
}  // namespace kolvar::plot
