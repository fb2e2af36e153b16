// A past run's record into the plot, and the plot out as PNG and SVG.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <fstream>
#include <iterator>
#include <sstream>

#include "plot/plot_export.h"
#include "plot/plot_window.h"
#include "plot/record_file.h"
#include "plot/role_style.h"
#include "record/record_reader.h"
#include "support/temp_folder.h"

namespace kolvar::plot {
namespace {

const std::string kRecord = std::string(KOLVAR_PLOT_DATA) + "/short_run.csv";

TEST(RecordFile, ReadsARunWithItsStopAndACutRunWithout) {
  PlotModel model;
  const LoadedRecord loaded = load_record(std::filesystem::path(kRecord), model);
  EXPECT_EQ(loaded.samples, 45u);
  EXPECT_FALSE(loaded.torn);
  EXPECT_EQ(model.settings().size(), 3u);
  ASSERT_TRUE(model.stopped());
  EXPECT_EQ(model.stopped()->time, model.points().last_time());
  EXPECT_NE(model.stopped()->reason.find("Достигнут предел температуры бака"), std::string::npos);
  EXPECT_FALSE(model.open_periods().empty());

  // The same record cut in the middle of its last row.
  std::ifstream in(kRecord, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::istringstream cut(bytes.substr(0, bytes.size() - 60));
  PlotModel cut_model;
  const LoadedRecord partial = load_record(cut, cut_model);
  EXPECT_TRUE(partial.torn);
  EXPECT_EQ(partial.samples, 44u);
  EXPECT_FALSE(cut_model.stopped()) << "a run cut short was not seen to stop";

  std::istringstream other("time,value\r\n1,2\r\n");
  EXPECT_THROW(load_record(other, cut_model), record::RecordError);
  EXPECT_THROW(load_record(std::filesystem::path("/nonexistent/run.csv"), cut_model),
               std::runtime_error);
}

TEST(PlotExport, WritesAPngAndAnSvgOfThePlotAndReportsAFileItCannotWrite) {
  kolvar::testing::TempFolder folder;
  PlotWindow window;
  ASSERT_EQ(window.open_record(QString::fromStdString(kRecord)), QString());
  const PlotModel& model = window.model();
  const Span span = window.plot().span();
  const QString png = QString::fromStdString((folder.path() / "run.png").string());
  const QString svg = QString::fromStdString((folder.path() / "run.svg").string());

  ASSERT_EQ(save_png(model, span, {800, 400}, png), QString());
  QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(800, 400));
  // The curves are there: each role's colour is painted somewhere.
  for (std::size_t role = 0; role < 4; ++role) {
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
      for (int x = 0; x < image.width() && !found; ++x)
        found = image.pixelColor(x, y) == role_colour(role);
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

}  // namespace
}  // namespace kolvar::plot
