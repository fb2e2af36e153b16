// The live plot follows the program's run record: a start, a point per
// cycle, the stop with its reason, and the window again after it was closed.
// The record is the program's: it goes on without the plot.
#include "plot/live_plot.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "chart/record_reader.h"
#include "chart/role_style.h"
#include "journal/run_table_model.h"
#include "platform/time/wall_clock.h"
#include "plot/plot_painter.h"
#include "settings/save.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::plot {
namespace {

class LivePlotRig {
 public:
  LivePlotRig() {
    c().start();
    c().form.get("LogPath", 1).set_text("keeper.log");
    settings::OK_Click(c());
    std::ofstream("keeper.log", std::ios::binary) << "10:00:00 88.3      77.0\r\n";
  }
  form::Controller& c() { return h.controller; }
  void click(const char* name) { c().click(c().form.get(name)); }

  kolvar::testing::TempFolder folder;
  kolvar::testing::WorkingFolder working{folder.path()};
  ui::Headless h;
  platform::FollowingWallClock wall{h.clock, platform::LocalTime{}};
  record::RunRecord record{c(), wall, {.durable = false}};
  QWidget main;
  // Held for the plot as the program holds it, the web page reading it too.
  chart::BackgroundChoice behind;
  std::optional<LivePlot> live{std::in_place, record, &main, &behind};
};

TEST(LivePlot, DrawsEachRunFromItsStartToItsStop) {
  LivePlotRig rig;
  QApplication::processEvents();
  PlotWindow& window = rig.live->window();
  EXPECT_FALSE(window.isVisible()) << "whoever places it beside the main window shows it";
  rig.live->show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.testAttribute(Qt::WA_QuitOnClose)) << "closing the plot ends nothing";

  rig.h.advance(5000);
  EXPECT_TRUE(window.model().empty()) << "nothing while stopped";
  rig.click("Start_sys_button");
  rig.h.advance(6000);
  EXPECT_EQ(window.model().points().points(), 3u);
  EXPECT_FALSE(window.model().stopped());
  rig.click("Stop_sys_button");
  ASSERT_TRUE(window.model().stopped());
  EXPECT_EQ(window.model().stopped()->time, 6000);
  EXPECT_FALSE(window.model().stopped()->reason.empty());
  EXPECT_EQ(window.model().cycle(), 2000) << "the row after the stop is no cycle";
  EXPECT_FALSE(rig.record.file().empty()) << "the run's record is kept too";

  rig.h.advance(10'000);
  rig.click("Start_sys_button");
  EXPECT_TRUE(window.model().empty()) << "a new run starts a new plot";
  EXPECT_FALSE(window.model().stopped());
  rig.h.advance(2000);
  EXPECT_EQ(window.model().points().points(), 1u);

  rig.main.show();
  QApplication::setActiveWindow(&rig.main);
  window.close();
  EXPECT_FALSE(window.isVisible());
  QTest::keyClick(&rig.main, Qt::Key_F9);
  EXPECT_TRUE(window.isVisible()) << "F9 on the main window shows it again";
}

TEST(LivePlot, LeavesTheRecordItFollowedWhenItGoesAndTheRecordGoesOn) {
  LivePlotRig rig;
  rig.click("Start_sys_button");
  rig.h.advance(4000);
  EXPECT_EQ(rig.live->window().model().points().points(), 2u);
  rig.live.reset();  // the plot goes mid-run: the record must not call it again
  rig.h.advance(4000);
  rig.click("Stop_sys_button");

  std::ifstream in(rig.record.file(), std::ios::binary);
  chart::RecordReader reader(in);
  int rows = 0;
  while (auto row = reader.next()) {
    ++rows;
    EXPECT_EQ(row->degrees[0], 88.3);
  }
  EXPECT_EQ(rows, 5) << "four cycles and the state after the stop";

  // A plot made for the record later follows its next run.
  rig.live.emplace(rig.record, &rig.main);
  rig.click("Start_sys_button");
  rig.h.advance(2000);
  EXPECT_EQ(rig.live->window().model().points().points(), 1u);
}

// Pixels near a faded role colour in the plot's area right of x = `from`
// (the painter smooths its lines, so few are exactly that colour).
int faded_right_of(const QImage& image, int from) {
  const QRect area = plot_area(image.size());
  int count = 0;
  for (int x = std::max(from, area.left() + 2); x < area.right() - 2; ++x)
    for (int y = area.top() + 2; y < area.bottom() - 2; ++y) {
      const QColor c = image.pixelColor(x, y);
      for (std::size_t role = 0; role < 4; ++role) {
        const chart::Colour pale = chart::faded(chart::role_colour(role));
        count += std::abs(c.red() - pale.red) + std::abs(c.green() - pale.green) +
                     std::abs(c.blue() - pale.blue) <
                 30;
      }
    }
  return count;
}

TEST(LivePlot, PutsTheLastFinishedRunBehindTheOneUnderWayAndTakesItAway) {
  LivePlotRig rig;
  PlotWindow& window = rig.live->window();
  window.resize(900, 520);
  rig.live->show();
  std::vector<QString> offered;
  QString answer;  // what the operator picks; empty: the chooser cancelled
  window.set_record_chooser([&](const QString& first) {
    offered.push_back(first);
    return answer;
  });

  window.background_action().trigger();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_TRUE(offered.back().isEmpty()) << "no run yet: nothing to offer";

  rig.click("Start_sys_button");
  rig.h.advance(300'000);
  rig.click("Stop_sys_button");
  const std::filesystem::path past = rig.record.file();
  rig.h.advance(5000);
  window.background_action().trigger();
  EXPECT_TRUE(journal::same_record(offered.back().toStdU16String(), past))
      << "between runs the one just finished, to set up the next against it";

  rig.click("Start_sys_button");
  rig.h.advance(4000);
  ASSERT_FALSE(journal::same_record(rig.record.file(), past));
  answer = QString::fromStdU16String(past.u16string());
  window.background_action().trigger();
  EXPECT_TRUE(journal::same_record(offered.back().toStdU16String(), past))
      << "the run under way is never offered";
  ASSERT_TRUE(window.background());
  EXPECT_EQ(window.background()->label.rfind("Фон: " + past.filename().string(), 0), 0u);
  EXPECT_EQ(rig.behind.current(), window.background()) << "the page reads the same choice";
  EXPECT_TRUE(window.no_background_action().isEnabled());

  // Past today's end only the run behind is drawn, faded.
  const chart::Span span = window.plot().span();
  // The log never changes: the stalled logger ends the past run, still the
  // longer of the two.
  const platform::Millis past_ends = window.background()->model.points().last_time();
  ASSERT_GT(past_ends, 12'000);
  ASSERT_GE(span.to, past_ends) << "the axis reaches to the longer run's end";
  const QImage picture = window.plot().grab().toImage();
  const QRect area = plot_area(picture.size());
  const platform::Millis today = window.model().points().last_time();
  const int today_ends =
      area.left() + static_cast<int>((today - span.from) * area.width() / span.width());
  EXPECT_GT(faded_right_of(picture, today_ends + 4), 10);

  answer.clear();
  window.background_action().trigger();
  EXPECT_TRUE(rig.behind.current()) << "a choice cancelled keeps the run behind";
  window.no_background_action().trigger();
  EXPECT_FALSE(rig.behind.current());
  EXPECT_FALSE(window.background());
  EXPECT_FALSE(window.no_background_action().isEnabled());
  EXPECT_EQ(faded_right_of(window.plot().grab().toImage(), today_ends + 4), 0);
}

}  // namespace
}  // namespace kolvar::plot
