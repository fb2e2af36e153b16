// Two simulated runs at different powers in one folder, as the table of runs
// shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "journal/run_note.h"
#include "journal/run_table.h"
#include "kolvar-sim/cli.h"
#include "launch/sim_note.h"
#include "record/csv.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::journal {
namespace {

class SimRuns : public kolvar::testing::InFreshFolder {};

TEST_F(SimRuns, TwoRunsAtDifferentPowersGiveTwoLinesWithTheirStops) {
  // The reasons the runs' own reports give, newest first.
  std::vector<std::string> reasons;
  for (const char* watts : {"1500", "2500"}) {
    std::ostringstream out, err;
    ASSERT_EQ(simapp::run_cli({"--headless", "--litres", "3", "--power", watts}, out, err), 0)
        << err.str();
    const std::string report = out.str();
    const std::size_t at = report.find("ended: system stop at ");
    ASSERT_NE(at, std::string::npos) << report;
    const std::size_t from = report.find(": ", at + 22) + 2;
    reasons.insert(reasons.begin(), report.substr(from, report.find('\n', from) - from));
  }

  std::ostringstream text, err;
  ASSERT_EQ(print_runs("runs", TableForm::Text, text, err), 0) << err.str();
  std::istringstream lines(text.str());
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 3u) << text.str();
  for (std::size_t k = 1; k < rows.size(); ++k)
    EXPECT_NE(rows[k].find(reasons[k - 1]), std::string::npos) << rows[k];

  std::ostringstream csv;
  ASSERT_EQ(print_runs("runs", TableForm::Csv, csv, err), 0);
  std::istringstream in(csv.str());
  record::CsvReader reader(in);
  const auto header = reader.next();
  ASSERT_TRUE(header);
  EXPECT_EQ(header->front(), "date");
  std::vector<std::vector<std::string>> records;
  while (auto fields = reader.next()) records.push_back(*fields);
  EXPECT_FALSE(reader.torn());
  ASSERT_EQ(records.size(), 2u);
  for (std::size_t k = 0; k < records.size(); ++k) {
    ASSERT_EQ(records[k].size(), header->size());
    EXPECT_EQ(records[k][5], reasons[k]);
    EXPECT_FALSE(records[k][2].empty());  // the valve opened
  }
  // Newest first: the second run's start is no earlier than the first's.
  EXPECT_GE(records[0][0], records[1][0]);

  // Each run left its note beside its record, naming the charge, the power
  // and the hearts collected.
  const auto runs = list_runs("runs");
  ASSERT_EQ(runs.size(), 2u);
  std::set<std::string> powers;
  for (const RunEntry& run : runs) {
    const auto note = read_note(note_path(run.record));
    ASSERT_TRUE(note) << run.record;
    EXPECT_EQ(note->value(note_key::kCharge), "3.00 L");
    powers.insert(note->value(note_key::kPower).value_or(""));
    const auto hearts = note->value(note_key::kHearts);
    ASSERT_TRUE(hearts);
    EXPECT_TRUE(hearts->ends_with(" L")) << *hearts;
    EXPECT_GT(std::stod(*hearts), 0.0) << *hearts;
    EXPECT_TRUE(note->value(note_key::kHeartsStrength));
    EXPECT_TRUE(note->text.empty());
  }
  EXPECT_EQ(powers, (std::set<std::string>{"1500 W", "2500 W"}));
  // What the distiller adds under the keys is the table's note.
  auto note = *read_note(note_path(runs[1].record));
  note.text = "Слабее прошлой недели\n";
  ASSERT_FALSE(write_note(note_path(runs[1].record), note));
  std::ostringstream noted;
  ASSERT_EQ(print_runs("runs", TableForm::Text, noted, err), 0);
  EXPECT_NE(noted.str().find("Слабее прошлой недели"), std::string::npos) << noted.str();
}

TEST(SimNote, ANoteThatCannotBeWrittenIsToldOnceAndTheRecordStays) {
  kolvar::testing::TempFolder folder;
  const auto record = folder.file("run.csv");
  kolvar::testing::write_bytes(record, "rows");
  // A folder in the note's place: no file can take its name.
  std::filesystem::create_directory(note_path(record));
  std::ostringstream err;
  launch::leave_note(record, {}, {}, err);
  const std::string told = err.str();
  EXPECT_NE(told.find("run.txt was not written"), std::string::npos) << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_EQ(kolvar::testing::read_bytes(record), "rows");
  // No record, no note and nothing to tell.
  std::ostringstream quiet;
  launch::leave_note({}, {}, {}, quiet);
  EXPECT_EQ(quiet.str(), "");
}

}  // namespace
}  // namespace kolvar::journal
