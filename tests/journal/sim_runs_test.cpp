// Two simulated runs at different powers in one folder, as the table of runs
// shows them.
#include <gtest/gtest.h>

#include <sstream>

#include "journal/run_table.h"
#include "kolvar-sim/cli.h"
#include "record/csv.h"
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
}

}  // namespace
}  // namespace kolvar::journal
