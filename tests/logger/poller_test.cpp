// Lines as the controller reads them back: its own field rule takes sensor k
// from characters 10k to 10k + 8, so these tests check what Kolvar will see.
#include "logger/poller.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/log_line.h"
#include "fake_sysfs.h"

namespace kolvar::logger {
namespace {

using Fields = std::array<std::string, 5>;
using testing::FakeSysfs;

core::LogFields read_back(const std::string& line) {
  EXPECT_TRUE(line.ends_with("\r\n")) << line;
  return core::split_log_line(line.substr(0, line.size() - 2));
}

TEST(Poll, ColumnsFollowTheConfigurationNotTheBus) {
  FakeSysfs sysfs;
  sysfs.temperature("28-a", 78437);
  sysfs.w1_slave("28-b", -10062);
  sysfs.temperature("28-c", 100000);
  sysfs.temperature("28-d", 0);
  sysfs.temperature("28-e", 125000);
  Poller poller({"28-e", "28-c", "28-a", "28-d", "28-b"}, sysfs.root());
  const std::string line = poller.poll({12, 34, 56});
  EXPECT_EQ(line.size(), 58u);  // the widest value ends at character 56
  for (std::size_t separator : {9, 19, 29, 39, 49}) EXPECT_EQ(line[separator - 1], ' ');
  const core::LogFields fields = read_back(line);
  EXPECT_EQ(fields.time, "12:34:56");
  EXPECT_EQ(fields.sensor, (Fields{"125.000", "100.000", "78.437", "0.000", "-10.062"}));
}

TEST(Poll, EachFailureLeavesOnlyItsColumnBlank) {
  FakeSysfs sysfs;
  sysfs.w1_slave("28-crc", 23125, false);
  sysfs.temperature("28-poweron", 85000);
  sysfs.file("28-garbage", "temperature", "\x01\x02");
  sysfs.temperature("28-good", 20500);
  Poller poller({"28-absent", "28-crc", "28-poweron", "28-garbage", "28-good"}, sysfs.root());
  EXPECT_EQ(poller.poll({8, 0, 0}), "08:00:00" + std::string(41, ' ') + "20.500\r\n");
}

TEST(Poll, TimeStampAroundMidnight) {
  FakeSysfs sysfs;
  sysfs.temperature("28-a", 20000);
  Poller poller({"28-a"}, sysfs.root());
  EXPECT_EQ(poller.poll({23, 59, 59}), "23:59:59 20.000\r\n");
  EXPECT_EQ(read_back(poller.poll({0, 0, 0})).time, "00:00:00");
}

TEST(Poll, SensorsAppearAndVanishBetweenPolls) {
  FakeSysfs sysfs;
  sysfs.temperature("28-a", 20000);
  Poller poller({"28-a", "28-b"}, sysfs.root());
  EXPECT_EQ(read_back(poller.poll({1, 0, 0})).sensor, (Fields{"20.000", "", "", "", ""}));
  sysfs.w1_slave("28-b", 21000);
  EXPECT_EQ(read_back(poller.poll({1, 0, 1})).sensor, (Fields{"20.000", "21.000", "", "", ""}));
  sysfs.remove("28-a");
  EXPECT_EQ(read_back(poller.poll({1, 0, 2})).sensor, (Fields{"", "21.000", "", "", ""}));
}

// 85.000 is blank unless the same sensor was just near it: then the column
// is really passing through 85 degrees.
TEST(Poll, EightyFiveIsRealOnlyNextToItsNeighbours) {
  FakeSysfs sysfs;
  Poller poller({"28-a"}, sysfs.root());
  const struct {
    int millidegrees;
    const char* field;
  } polls[] = {
      {85000, ""},       {84000, "84.000"}, {85000, "85.000"}, {85000, "85.000"},
      {23000, "23.000"}, {85000, ""},       {85000, ""},
  };
  for (const auto& p : polls) {
    sysfs.temperature("28-a", p.millidegrees);
    EXPECT_EQ(read_back(poller.poll({2, 0, 0})).sensor[0], p.field) << p.millidegrees;
  }
}

}  // namespace
}  // namespace kolvar::logger
