// The runs of a folder: summaries from records and from their files beside
// them, notes, and what is left out.
#include "journal/run_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "journal/run_table.h"
#include "record/summary_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
namespace {

namespace fs = std::filesystem;
using kolvar::testing::read_bytes;
using kolvar::testing::write_bytes;

const fs::path kShortRun = fs::path(KOLVAR_TEST_DIR) / "chart/data/short_run.csv";

class RunFolder : public ::testing::Test {
 protected:
  fs::path put(const std::string& name, const std::string& bytes) {
    write_bytes(folder.file(name), bytes);
    return folder.file(name);
  }
  std::string table(TableForm form = TableForm::Text) {
    std::ostringstream out, err;
    EXPECT_EQ(print_runs(folder.path(), form, out, err), 0) << err.str();
    return out.str();
  }
  kolvar::testing::TempFolder folder;
  // A short run that the tank's limit stopped, its panel as the stop left it.
  const std::string run = [] {
    std::string bytes = read_bytes(kShortRun);
    const std::size_t reason = bytes.rfind("Достигнут");
    const std::size_t quote = bytes.rfind('"', reason);
    if (reason != std::string::npos && quote != std::string::npos)
      bytes.replace(quote + 1, reason - quote - 1, "СИСТЕМА ОСТАНОВЛЕНА\r\n");
    return bytes;
  }();
};

TEST_F(RunFolder, ListsRecordsNewestFirstAndSkipsWhatIsNoRecord) {
  ASSERT_FALSE(run.empty());
  put("2026-12-01_21-00-00.csv", run);
  // A later run the program did not see to its end: its last row cut short.
  std::string later = run;
  for (std::size_t at = 0; (at = later.find("2026-12-01", at)) != std::string::npos;)
    later.replace(at, 10, "2026-12-02");
  later.resize(later.size() - 30);
  put("2026-12-02_21-00-00.csv", later);
  put("notes.csv", "a,b,c\r\n1,2,3\r\n");  // someone's spreadsheet
  put("2026-12-03_09-00-00.csv", "");      // a start that wrote nothing
  put("readme.txt", "hello\n");
  fs::create_directory(folder.file("old.csv"));
  put("2026-12-01_21-00-00.txt",
      "charge: 30 L\r\nhearts: 4.2 L\r\n\r\nХорошие сердца.\r\nЕщё.\r\n");

  const std::vector<RunEntry> runs = list_runs(folder.path());
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].record.filename(), "2026-12-02_21-00-00.csv");
  EXPECT_TRUE(runs[0].summary.cut);
  EXPECT_FALSE(runs[0].summary.stopped);
  EXPECT_EQ(runs[0].note, "");
  EXPECT_EQ(runs[1].record.filename(), "2026-12-01_21-00-00.csv");
  EXPECT_FALSE(runs[1].summary.cut);
  EXPECT_TRUE(runs[1].summary.stopped);
  EXPECT_EQ(runs[1].summary.stop_reason, "Достигнут предел температуры бака");
  EXPECT_EQ(runs[1].summary.rows, 45);
  EXPECT_EQ(runs[0].summary.rows, 44);  // up to its last whole row
  EXPECT_EQ(runs[1].summary.first_open, 2000);
  EXPECT_EQ(runs[1].summary.tank_max, 95.65);
  EXPECT_EQ(runs[1].note, "Хорошие сердца.");

  const std::string text = table();
  EXPECT_TRUE(text.starts_with("date  ")) << text;
  EXPECT_NE(text.find("(record cut short)"), std::string::npos) << text;
  EXPECT_NE(text.find("Достигнут предел температуры бака  Хорошие сердца.\n"), std::string::npos)
      << text;
}

TEST_F(RunFolder, KeepsEachSummaryBesideItsRecordAndMakesItAgainWhenTheRecordChanges) {
  const fs::path record = put("2026-12-01_21-00-00.csv", run);
  const auto made = cached_summary(record);
  ASSERT_TRUE(made);
  const fs::path cache = summary_path(record);
  ASSERT_TRUE(fs::exists(cache));
  EXPECT_EQ(record::summary_of_text(read_bytes(cache), fs::file_size(record)), made);
  EXPECT_EQ(read_bytes(record), run);  // the record itself is left as it is

  // The file beside the record is what a listing reads.
  std::string kept = read_bytes(cache);
  const std::size_t at = kept.find("Достигнут");
  kept.replace(at, std::string("Достигнут").size(), "Reached");
  write_bytes(cache, kept);
  EXPECT_EQ(cached_summary(record)->stop_reason, "Reached предел температуры бака");

  // A record that grew (a run under way) is summarised again.
  std::ofstream(record, std::ios::binary | std::ios::app)
      << "2026-12-01 "
         "21:01:32,92,20.00,20.00,99.00,20.00,78.4,80.0,96.0,40.0,35.0,liquid,0,,65,\r\n";
  const auto again = cached_summary(record);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->rows, 46);
  EXPECT_EQ(again->tank_max, 99.0);

  // A summary of another layout or gone is made again too.
  write_bytes(cache, "kolvar run summary 0\n");
  EXPECT_EQ(cached_summary(record), again);
  fs::remove(cache);
  EXPECT_EQ(cached_summary(record), again);
  EXPECT_TRUE(fs::exists(cache));
}

TEST_F(RunFolder, AnEmptyFolderGivesTheHeaderAndAMissingOneIsRefused) {
  EXPECT_EQ(table(TableForm::Csv),
            "date,duration,first_takeoff_after,valve_open,tank_max_c,stop,note\r\n");
  EXPECT_EQ(table().find('\n'), table().size() - 1);

  std::ostringstream out, err;
  EXPECT_EQ(print_runs(folder.file("nowhere"), TableForm::Text, out, err), 2);
  EXPECT_NE(err.str().find("nowhere: no such folder"), std::string::npos) << err.str();
  put("file", "x");
  EXPECT_EQ(print_runs(folder.file("file"), TableForm::Csv, out, err), 2);
  EXPECT_NE(err.str().find("file: not a folder"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().empty());
}

TEST(NoteFirstLine, TakesTheFirstLineOfFreeTextBelowTheKeys) {
  kolvar::testing::TempFolder folder;
  const fs::path note = folder.file("n.txt");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"charge: 30 L\nstrength: 40 %vol\n\nFree text\nmore\n", "Free text"},
      {"\xEF\xBB\xBF"
       "Крепость: 40\r\n  Запах сивухи к концу  \r\n",
       "Запах сивухи к концу"},
      {"charge: 30 L\nhearts: 4 L\n", ""},
      {"\n\ncharge: 30 L\n", "charge: 30 L"},  // below a blank line it is free text
      {"", ""},
  };
  for (const auto& [text, first] : cases) {
    write_bytes(note, text);
    EXPECT_EQ(note_first_line(note), first) << text;
  }
  EXPECT_EQ(note_first_line(folder.file("missing.txt")), "");
}

}  // namespace
}  // namespace kolvar::journal
