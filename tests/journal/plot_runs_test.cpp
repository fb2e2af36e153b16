// What a plot window knows of the runs around it: the run offered to draw
// behind is never the one it shows or follows, its folder goes with the run
// it shows, and a background that fails to open leaves the one before.
#include "journal/plot_runs.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
// Named, not anonymous: a unity build puts these beside the other tests.
namespace plot_runs_test {

namespace fs = std::filesystem;

const fs::path kShortRun = fs::path(KOLVAR_TEST_DIR) / "chart/data/short_run.csv";
// Two records of one start: the later name is the newer run.
const char* const kOlder = "2026-12-01_21-00-00.csv";
const char* const kNewer = "2026-12-02_21-00-00.csv";

class PlotRunsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes = kolvar::testing::read_bytes(kShortRun);
    for (const fs::path& folder : {here.path(), there.path()}) {
      kolvar::testing::write_bytes(folder / kOlder, bytes);
      kolvar::testing::write_bytes(folder / kNewer, bytes);
    }
  }
  kolvar::testing::TempFolder here, there;
  PlotRuns runs;
};

TEST_F(PlotRunsTest, OffersTheNewestRunThatIsNeitherShownNorUnderWay) {
  EXPECT_EQ(runs.runs_folder(), "runs");
  EXPECT_EQ(runs.offered_background(), fs::path()) << "no folder of runs yet: nothing";

  runs.set_runs_folder(here.path());
  EXPECT_EQ(runs.offered_background().filename(), kNewer) << "nothing shown: the newest";

  runs.show(here.file(kNewer));
  EXPECT_EQ(runs.offered_background().filename(), kOlder) << "never the run shown";

  // The run under way is what the window follows, whatever it showed before.
  fs::path under_way = there.file(kNewer);
  runs.set_under_way([&] { return under_way; });
  EXPECT_EQ(runs.offered_background(), there.file(kOlder));
  EXPECT_EQ(runs.runs_folder(), there.path()) << "its folder is the one listed";

  // Between runs the record shown counts again, and its folder with it.
  under_way.clear();
  EXPECT_EQ(runs.offered_background(), here.file(kOlder));
  EXPECT_EQ(runs.folder_to_list(), here.path());

  fs::remove(here.file(kOlder));
  EXPECT_EQ(runs.offered_background(), fs::path()) << "the only run is the one shown";
}

TEST_F(PlotRunsTest, TheFolderFollowsTheRecordShown) {
  runs.show(there.file(kOlder));
  EXPECT_EQ(runs.runs_folder(), there.path());
  // A bare name tells no folder: the one before stays.
  runs.show(kOlder);
  EXPECT_EQ(runs.folder_to_list(), there.path());
  runs.set_runs_folder(here.path());
  fs::path under_way = there.file(kNewer);
  runs.set_under_way([&] { return under_way; });
  EXPECT_EQ(runs.folder_to_list(), there.path()) << "the run under way's folder is listed";
}

TEST_F(PlotRunsTest, AFailedBackgroundLeavesTheOneBeforeAndSaysWhy) {
  EXPECT_EQ(runs.background(), nullptr);
  EXPECT_EQ(runs.open_background(here.file(kOlder)), "");
  const auto behind = runs.background();
  ASSERT_NE(behind, nullptr);
  EXPECT_NE(behind->label.find(kOlder), std::string::npos) << behind->label;

  EXPECT_NE(runs.open_background(here.file("missing.csv")), "");
  kolvar::testing::write_bytes(here.file("garbage.csv"), "no record at all\n");
  EXPECT_NE(runs.open_background(here.file("garbage.csv")), "");
  EXPECT_EQ(runs.background(), behind);

  runs.clear_background();
  EXPECT_EQ(runs.background(), nullptr);
}

TEST_F(PlotRunsTest, ASharedChoiceIsTheOneDrawnAndChanged) {
  ASSERT_EQ(runs.open_background(here.file(kOlder)), "");
  chart::BackgroundChoice shared;
  runs.share_background(shared);
  EXPECT_EQ(runs.background(), nullptr) << "what the window held alone is no longer drawn";

  ASSERT_EQ(runs.open_background(there.file(kNewer)), "");
  ASSERT_NE(shared.current(), nullptr);
  EXPECT_EQ(runs.background(), shared.current());
  runs.clear_background();
  EXPECT_EQ(shared.current(), nullptr);
}

}  // namespace plot_runs_test
}  // namespace kolvar::journal
