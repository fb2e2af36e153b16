// The run record: what a run leaves in runs/, row by row.
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "record/csv.h"
#include "record_rig.h"
#include "settings/settings_write.h"

namespace kolvar::record {
namespace {

using testing::kDay0;
using testing::read_bytes;
using testing::RecordRig;
using testing::rows_of;

const std::string kHeader =
    "wall_time,seconds,T1,T2,T3,T4,V1,V2,V3,V4,V5,takeoff,valve,pwm_share,port,news,read_error\r\n";

TEST(RunRecord, HoldsTheSettingsTheHeaderAndARowPerCycleUntilTheStop) {
  RecordRig rig;
  rig.advance(5000);
  EXPECT_TRUE(rig.files().empty()) << "nothing before the start";
  rig.click("Start_sys_button");
  rig.advance(4000);
  rig.log("10:00:09", "80.0");  // the panel's text changes with this reading
  rig.advance(2000);
  rig.click("Stop_sys_button");
  rig.advance(20000);

  ASSERT_EQ(rig.files().size(), 1u);
  const auto file = rig.files()[0];
  EXPECT_EQ(file.filename(), "2024-03-05_10-00-05.csv");
  const std::string bytes = read_bytes(file);
  EXPECT_EQ(bytes.rfind("#mytunes.log,1,\" 0 \"\r\n#mytunes.log,2,keeper.log\r\n", 0), 0u);
  EXPECT_NE(bytes.find("\r\n" + kHeader), std::string::npos);

  std::ifstream in(file, std::ios::binary);
  chart::RecordReader reader(in);
  EXPECT_EQ(reader.settings(), settings::settings_file_lines(rig.c()));
  const auto rows = rows_of(file);
  // Three cycles, then the state after "Стоп системы".
  ASSERT_EQ(rows.size(), 4u);
  const platform::Millis since_start[] = {2000, 4000, 6000, 6000};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].since_start, since_start[i]);
    EXPECT_EQ(rows[i].wall, kDay0 + std::chrono::milliseconds(5000 + since_start[i]));
    EXPECT_EQ(rows[i].thresholds, (std::array{880, 770, 880, 880, 880}));
    EXPECT_EQ(rows[i].takeoff, Takeoff::Liquid);
    EXPECT_EQ(rows[i].port, 0);
  }
  EXPECT_EQ(rows[0].temperatures, (std::array<std::string, 4>{"88.3", "77.0", "", ""}));
  EXPECT_EQ(rows[2].temperatures[0], "80.0");
  EXPECT_EQ(rows[1].valve_open, false);
  EXPECT_EQ(rows[2].valve_open, true);
  EXPECT_EQ(rows[0].news, "Дефлегматор зашкалил\r\nНасадка в норме\r\nКлапан закрыт");
  EXPECT_EQ(rows[3].news, "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
  // The panel's text is written only when it changed: rows 1 and 2 do not repeat it.
  EXPECT_NE(bytes.find(",liquid,0,0,0,,\r\n2024-03-05 10:00:11,"), std::string::npos);
}

TEST(RunRecord, EveryStartHasAFileOfItsOwnAndNothingIsWrittenWhileStopped) {
  RecordRig rig;
  rig.click("Start_sys_button");
  rig.advance(2000);
  rig.click("Stop_sys_button");
  rig.click("Start_sys_button");
  rig.advance(4000);
  rig.click("Start_sys_button");  // a start while running begins a new record too
  rig.click("Start_sys_button");  // in the same second: its stamp is taken
  rig.advance(2000);
  rig.click("Stop_sys_button");
  const auto files = rig.files();
  std::vector<std::uintmax_t> sizes;
  for (const auto& f : files) sizes.push_back(std::filesystem::file_size(f));
  rig.advance(60000);
  rig.click("otbor_up_button");

  const char* names[] = {"2024-03-05_10-00-00.csv", "2024-03-05_10-00-02.csv",
                         "2024-03-05_10-00-06.csv", "2024-03-05_10-00-06_2.csv"};
  const std::size_t rows[] = {2, 2, 0, 2};  // cycles, and the state after a stop
  ASSERT_EQ(files.size(), 4u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(files[i].filename(), names[i]);
    EXPECT_EQ(rows_of(files[i]).size(), rows[i]) << names[i];
    EXPECT_EQ(std::filesystem::file_size(files[i]), sizes[i]) << names[i];
  }
}

TEST(RunRecord, AStopByTheCycleEndsTheRecordWithThatCycle) {
  RecordRig rig;
  // The tank reads sensor 1 (88.3), far over a limit of 20 degrees.
  rig.c().form.get("V", 3).set_value(200);
  rig.c().form.get("kub", 1).set_checked(true);
  settings::OK_Click(rig.c());
  rig.click("Start_sys_button");
  rig.advance(10000);
  const auto rows = rows_of(rig.files().at(0));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].news.rfind("СИСТЕМА ОСТАНОВЛЕНА\r\n", 0), 0u) << rows[0].news;
  EXPECT_FALSE(rig.record.running());
}

TEST(Csv, QuotesWhatWouldBreakARecordAndReadsItBack) {
  struct Case {
    std::string text, written;
  } cases[] = {
      {"88.3", "88.3"},
      {"", ""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {" 880 ", "\" 880 \""},
      {"Дефлегматор", "Дефлегматор"},
  };
  std::vector<std::string> fields;
  for (const Case& c : cases) {
    EXPECT_EQ(csv_field(c.text), c.written) << c.text;
    fields.push_back(c.text);
  }
  std::istringstream in(csv_record(fields) + csv_record({"x"}) + "\r\nlast,\"open");
  CsvReader reader(in);
  EXPECT_EQ(reader.next(), fields);
  EXPECT_EQ(reader.next(), std::vector<std::string>{"x"});
  EXPECT_EQ(reader.next(), std::nullopt) << "a blank line is skipped, a cut record ends it";
  EXPECT_TRUE(reader.torn());

  for (const char* bad : {"a\"b\",c\r\n", "\"a\"b,c\r\n"}) {
    std::istringstream in(bad);
    EXPECT_THROW(CsvReader(in).next(), CsvError) << bad;
  }
}

}  // namespace
}  // namespace kolvar::record
