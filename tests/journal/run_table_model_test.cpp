// The window's table of runs: the same cells as the printed table, its rows
// tied to their records, and the run a background is offered from first.
#include "journal/run_table_model.h"

#include <gtest/gtest.h>

#include <sstream>

#include "journal/run_table.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
// Named, not anonymous: a unity build puts these beside the other tests.
namespace run_table_model_test {

namespace fs = std::filesystem;

const fs::path kShortRun = fs::path(KOLVAR_TEST_DIR) / "chart/data/short_run.csv";

// The short run's record moved to another day, so that two sort apart.
std::string run_on(const std::string& day) {
  std::string bytes = kolvar::testing::read_bytes(kShortRun);
  for (std::size_t at = 0; (at = bytes.find("2026-12-01", at)) != std::string::npos; at += 10)
    bytes.replace(at, 10, day);
  return bytes;
}

class RunTable : public ::testing::Test {
 protected:
  void SetUp() override {
    kolvar::testing::write_bytes(folder.file("2026-12-01_21-00-00.csv"), run_on("2026-12-01"));
    kolvar::testing::write_bytes(folder.file("2026-12-02_21-00-00.csv"), run_on("2026-12-02"));
    kolvar::testing::write_bytes(folder.file("2026-12-02_21-00-00.txt"), "Вторая попытка\n");
    kolvar::testing::write_bytes(folder.file("list.csv"), "a,b\r\n");
  }
  kolvar::testing::TempFolder folder;
};

TEST_F(RunTable, HoldsThePrintedTablesCellsNewestFirstEachRowWithItsRecord) {
  const RunTableModel model = RunTableModel::of_folder(folder.path());
  ASSERT_EQ(model.rows(), 2u) << "what is no record is left out";
  EXPECT_EQ(model.record(0).filename(), "2026-12-02_21-00-00.csv");
  EXPECT_EQ(model.record(1).filename(), "2026-12-01_21-00-00.csv");
  EXPECT_EQ(model.cell(0, 6), "Вторая попытка");
  EXPECT_EQ(model.cell(1, 6), "");

  // Each cell stands in the printed line of its run: one rule makes both.
  std::ostringstream out, err;
  ASSERT_EQ(print_runs(folder.path(), TableForm::Text, out, err), 0);
  std::istringstream lines(out.str());
  std::string header, first, second;
  std::getline(lines, header);
  std::getline(lines, first);
  std::getline(lines, second);
  for (std::size_t column = 0; column + 1 < model.columns(); ++column) {
    EXPECT_NE(first.find(model.cell(0, column)), std::string::npos) << column;
    EXPECT_NE(second.find(model.cell(1, column)), std::string::npos) << column;
  }
  EXPECT_EQ(model.cell(0, 0).rfind("2026-12-02", 0), 0u);
  EXPECT_STREQ(RunTableModel::title(0), "Дата");
  EXPECT_THROW((void)model.cell(2, 0), std::out_of_range);
  EXPECT_THROW((void)model.cell(0, model.columns()), std::out_of_range);
}

TEST_F(RunTable, OffersTheNewestRunThatIsNotUnderWay) {
  const RunTableModel model = RunTableModel::of_folder(folder.path());
  EXPECT_EQ(model.last_finished({}), 0u) << "no run under way: the newest";
  // The run under way named as the record names it, relative or not.
  EXPECT_EQ(model.last_finished(folder.path() / "." / "2026-12-02_21-00-00.csv"), 1u);
  EXPECT_EQ(model.last_finished(folder.path() / "2026-12-01_21-00-00.csv"), 0u);

  const RunTableModel one(std::vector<RunEntry>{{folder.file("2026-12-02_21-00-00.csv"), {}, ""}});
  EXPECT_FALSE(one.last_finished(folder.file("2026-12-02_21-00-00.csv")))
      << "the only run is the one under way";
  EXPECT_FALSE(RunTableModel().last_finished({}));
}

TEST(SameRecord, TellsOneRecordHoweverItIsSpelled) {
  const fs::path here = fs::current_path();
  EXPECT_TRUE(same_record("runs/a.csv", here / "runs" / "a.csv"));
  EXPECT_TRUE(same_record("runs/./a.csv", "runs/a.csv"));
  EXPECT_FALSE(same_record("runs/a.csv", "runs/b.csv"));
  EXPECT_FALSE(same_record("runs/a.csv", "old/a.csv"));
}

}  // namespace run_table_model_test
}  // namespace kolvar::journal
