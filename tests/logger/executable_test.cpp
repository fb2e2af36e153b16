// The real kolvar-logger, run on a fake sensor tree.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/log_line.h"
#include "fake_sysfs.h"
#include "logger/instance_lock.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace kolvar::logger {
namespace {

namespace fs = std::filesystem;
using kolvar::testing::read_bytes;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

class LoggerProgram : public ::testing::Test {
 protected:
  LoggerProgram() {
    sysfs.temperature("28-a", 23125);
    sysfs.w1_slave("28-b", 78500);
    std::ofstream(config) << "# two sensors\n2 28-a\n1 28-b\nlog from-config.log\n";
  }

  // Runs the program with the arguments (each quoted for the shell) and
  // returns its exit status; its output lands in out and err.
  int run(const std::vector<std::string>& args) {
    std::string command = quoted(KOLVAR_LOGGER);
    for (const std::string& arg : args) command += " " + quoted(arg);
    command += " >" + quoted(folder.file("out").string());
    command += " 2>" + quoted(folder.file("err").string());
    const int status = std::system(command.c_str());
    out = read_bytes(folder.file("out"));
    err = read_bytes(folder.file("err"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::vector<std::string> once() {
    return {"--once", "--sysfs", sysfs.root().string(), "--config", config.string()};
  }

  testing::FakeSysfs sysfs;
  kolvar::testing::TempFolder folder;
  fs::path config = folder.file("logger.conf");
  fs::path log = folder.file("from-config.log");
  std::string out;
  std::string err;
};

TEST_F(LoggerProgram, OnceAppendsALineKolvarReads) {
  ASSERT_EQ(run(once()), 0) << err;
  ASSERT_EQ(run(once()), 0) << err;
  const std::string text = read_bytes(log);
  EXPECT_THAT(text, MatchesRegex("([0-2][0-9]:[0-5][0-9]:[0-6][0-9] 78.500    23.125\r\n){2}"));
  const core::LogFields fields = core::split_log_line(text.substr(0, text.find('\r')));
  EXPECT_EQ(fields.sensor, (std::array<std::string, 5>{"78.500", "23.125", "", "", ""}));

  std::vector<std::string> args = once();
  args.push_back("--log=" + folder.file("other.log").string());
  ASSERT_EQ(run(args), 0) << err;
  EXPECT_THAT(read_bytes(folder.file("other.log")), HasSubstr("78.500"));
  EXPECT_EQ(read_bytes(log), text);
}

TEST_F(LoggerProgram, SecondCopyLeavesTheLogAlone) {
  const auto first = InstanceLock::try_take(lock_path_for(log));
  ASSERT_TRUE(first);
  EXPECT_EQ(run(once()), 0);
  EXPECT_THAT(err, HasSubstr("is already writing " + log.string()));
  EXPECT_FALSE(fs::exists(log));
}

TEST_F(LoggerProgram, WrongStartsExitWithTwoAndWriteNothing) {
  EXPECT_EQ(run({"--once", "--frequency", "2"}), 2);
  EXPECT_THAT(err, HasSubstr("unknown option --frequency"));
  EXPECT_EQ(run({"--once", "--config", folder.file("missing.conf").string()}), 2);
  EXPECT_THAT(err, HasSubstr("cannot read the configuration"));
  std::ofstream(config) << "1 28-a\nlogfile x.log\n";
  EXPECT_EQ(run(once()), 2);
  EXPECT_THAT(err, HasSubstr("line 2: unknown setting 'logfile'"));
  EXPECT_FALSE(fs::exists(log));
}

// The programs run here read no configuration of the user's own.
class LoggerOwnSources : public LoggerProgram {
 protected:
  LoggerOwnSources() { ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1); }
  ~LoggerOwnSources() override { ::unsetenv("XDG_CONFIG_HOME"); }
};

TEST_F(LoggerOwnSources, IncompleteSourcesAreAWrongStart) {
  const fs::path other = folder.file("other.log");
  const struct {
    std::vector<std::string> args;
    const char* said;
  } cases[] = {
      {{"--mqtt", "mqtt://127.0.0.1:1"}, "the broker needs a column for each topic"},
      {{"--column", "1=esp/sensor/t/state"}, "a topic's column needs a broker"},
      {{"--mqtt", "mqtt://h", "--column", "tele/x/SENSOR"}, "a topic without a column"},
      {{"--mqtt", "mqtt://h", "--column", "1=a", "--column", "1=b"}, "column 1 is given twice"},
      {{"--serial", "/dev/ttyUSB0,9601"}, "--serial: the baud rate is one of"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.push_back("--log=" + other.string());
    EXPECT_EQ(run(args), 2) << c.said;
    EXPECT_THAT(err, HasSubstr(c.said));
  }
  EXPECT_FALSE(fs::exists(other));
}

// A board not plugged in is no wrong start: it is said, and its columns are
// blank until it comes.
TEST_F(LoggerOwnSources, AMissingBoardIsSaidAndItsColumnsAreBlank) {
  const fs::path device = folder.file("ttyUSB9");
  ASSERT_EQ(run({"--serial", device.string(), "--once", "--log", log.string()}), 0) << err;
  EXPECT_THAT(err, HasSubstr(device.string() + ": cannot be opened"));
  EXPECT_THAT(read_bytes(log), MatchesRegex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]\r\n"));
}

TEST_F(LoggerProgram, ListShowsColumnsAndReadings) {
  ASSERT_EQ(run({"--list", "--sysfs", sysfs.root().string(), "--config", config.string()}), 0);
  EXPECT_THAT(out, HasSubstr("28-a  column 2  23.125\n"));
  EXPECT_THAT(out, HasSubstr("28-b  column 1  78.500\n"));
}

}  // namespace
}  // namespace kolvar::logger
