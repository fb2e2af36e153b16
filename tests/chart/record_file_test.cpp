// A past run's record into the plot's model.
#include "chart/record_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "chart/record_reader.h"

namespace kolvar::chart {
namespace {

const std::string kRecord = std::string(KOLVAR_TEST_DIR) + "/chart/data/short_run.csv";

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
  EXPECT_THROW(load_record(other, cut_model), RecordError);
  EXPECT_THROW(load_record(std::filesystem::path("/nonexistent/run.csv"), cut_model),
               std::runtime_error);
}

}  // namespace
}  // namespace kolvar::chart
