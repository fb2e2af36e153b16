// The serial source on a real pseudo-terminal, driven with given time: each
// look waits on the port at most a few milliseconds for what the "board"
// printed, and a bounded number of looks is allowed for it to come.
#include "logger/serial_source.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "pseudo_terminal.h"
#include "support/temp_folder.h"

namespace kolvar::logger {
namespace {

using ::testing::HasSubstr;
using testing::PseudoTerminal;

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class SerialOnPty : public ::testing::Test {
 protected:
  // Looks at the port at `now` until `done`, at most 100 looks of 20 ms.
  bool take_until(platform::Millis now, const std::function<bool()>& done) {
    for (int look = 0; look < 100 && !done(); ++look) source.take(board, now, 20);
    return done();
  }

  std::optional<int> column(int k, platform::Millis now) const { return board.values(now)[k - 1]; }

  kolvar::testing::TempFolder folder;
  std::filesystem::path link = folder.file("ttyBOARD");
  std::ostringstream messages;
  SerialSource source{{link.string(), 9600}, {"", "", "tank", "", ""}, messages};
  ColumnBoard board{3000};
};

TEST_F(SerialOnPty, LinesReachTheirColumnsAndAnUnpluggedBoardBlanksThemUntilItIsBack) {
  PseudoTerminal first;
  first.plug_in_at(link);
  source.take(board, 0, 0);  // opens the port
  EXPECT_THAT(messages.str(), HasSubstr("reading " + link.string() + " at 9600 baud"));
  // The first line may be the tail of one begun before the open: dropped.
  first.print("Kolvar board v1\r\n23.125 78.4\r\n");
  ASSERT_TRUE(take_until(1000, [&] { return column(2, 1000) == 78400; }));
  EXPECT_EQ(column(1, 1000), 23125);
  first.print("tank=84.2\r\n");
  ASSERT_TRUE(take_until(1500, [&] { return column(3, 1500) == 84200; }));

  first.unplug();
  ASSERT_TRUE(
      take_until(2000, [&] { return messages.str().find("is gone") != std::string::npos; }));
  // Nothing more comes: the readings age into blanks.
  for (platform::Millis now = 2000; now <= 4400; now += 200) source.take(board, now, 0);
  EXPECT_EQ(column(1, 4000), 23125);
  EXPECT_EQ(column(1, 4001), std::nullopt);
  EXPECT_EQ(column(3, 4501), std::nullopt);

  PseudoTerminal second;
  second.plug_in_at(link);
  source.take(board, 5000, 0);  // reopened three seconds after it went
  second.print("\n20.5 79\n");
  ASSERT_TRUE(take_until(5200, [&] { return column(1, 5200) == 20500; }));
  EXPECT_EQ(column(2, 5200), 79000);
  EXPECT_EQ(count(messages.str(), "is gone"), 1);
  EXPECT_EQ(count(messages.str(), "reading " + link.string()), 2);
}

TEST_F(SerialOnPty, AMissingDeviceIsSaidOnceAndTriedEveryFewSeconds) {
  for (platform::Millis now = 0; now < 10000; now += 500) source.take(board, now, 0);
  EXPECT_EQ(count(messages.str(), link.string() + ": cannot be opened"), 1) << messages.str();
  EXPECT_FALSE(source.waits());

  PseudoTerminal board_plugged;
  board_plugged.plug_in_at(link);
  source.take(board, 10000, 0);
  EXPECT_FALSE(source.waits()) << "not yet three seconds since the last try";
  source.take(board, 12000, 0);
  EXPECT_TRUE(source.waits());
  EXPECT_THAT(messages.str(), HasSubstr("reading " + link.string()));
}

TEST_F(SerialOnPty, AFileThatIsNoPortIsRefused) {
  std::ofstream(link) << "23.5\n";
  source.take(board, 0, 0);
  EXPECT_THAT(messages.str(), HasSubstr(link.string() + ": is not a serial port"));
  EXPECT_EQ(column(1, 0), std::nullopt);
}

}  // namespace
}  // namespace kolvar::logger
