// The live plot follows the program's run record: a start, a point per
// cycle, the stop with its reason, and the window again after it was closed.
// The record is the program's: it goes on without the plot.
#include "plot/live_plot.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <fstream>
#include <optional>

#include "chart/record_reader.h"
#include "platform/time/wall_clock.h"
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
  std::optional<LivePlot> live{std::in_place, record, &main};
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

}  // namespace
}  // namespace kolvar::plot
