// The real kolvar-logger reading a pseudo-terminal: what the "board" prints
// reaches the log in Kolvar's columns, an unplugged board's columns go blank
// after the timeout, and the board plugged in again fills them anew. The
// program runs on real time, so each step is a bounded wait on the log.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/log_line.h"
#include "pseudo_terminal.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

extern char** environ;

namespace kolvar::logger {
namespace {

namespace fs = std::filesystem;
using kolvar::testing::read_bytes;
using ::testing::HasSubstr;
using testing::PseudoTerminal;

// kolvar-logger started in the background, stopped with SIGTERM at the end.
class Running {
 public:
  Running(const std::vector<std::string>& args, const fs::path& err) {
    std::vector<std::string> all = {KOLVAR_LOGGER};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, argv[0], &files, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&files);
  }
  ~Running() { stop(); }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

  int stop() {
    if (pid_ <= 0) return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
};

// The fields of the log's last line.
core::LogFields last_line(const fs::path& log) {
  const std::string text = read_bytes(log);
  const std::size_t end = text.rfind("\r\n");
  if (end == std::string::npos) return {};
  const std::size_t start = text.rfind("\r\n", end - 1);
  return core::split_log_line(text.substr(start == std::string::npos ? 0 : start + 2,
                                          end - (start == std::string::npos ? 0 : start + 2)));
}

// Polls every 50 ms, at most `seconds`, for `done`; `each` runs at each poll
// (the board printing once again).
bool within(int seconds, const std::function<bool()>& done, const std::function<void()>& each) {
  for (int i = 0; i < seconds * 20; ++i) {
    each();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return done();
}

TEST(SerialProgram, ABoardOnAPseudoTerminalFillsTheLogUntilUnpluggedAndAgainWhenBack) {
  kolvar::testing::TempFolder folder;
  const fs::path link = folder.file("ttyBOARD");
  const fs::path log = folder.file("temperatures.log");
  const fs::path config = folder.file("logger.conf");
  std::ofstream(config) << "3 tank\n";
  auto first = std::make_unique<PseudoTerminal>();
  first->plug_in_at(link);
  Running logger({"--serial", link.string() + ",115200", "--config", config.string(), "--log",
                  log.string(), "--interval", "1", "--timeout", "2"},
                 folder.file("err"));
  auto sensors = [&] { return last_line(log).sensor; };
  using Fields = std::array<std::string, 5>;
  ASSERT_TRUE(within(
      15,
      [&] {
        return sensors() == Fields{"23.125", "78.400", "84.200", "", ""};
      },
      [&] { first->print("23.125,78.4\r\ntank=84.2\r\n"); }))
      << read_bytes(log) << read_bytes(folder.file("err"));

  first.reset();  // unplugged
  ASSERT_TRUE(within(
      15, [&] { return sensors() == Fields{}; }, [] {}))
      << read_bytes(log);
  EXPECT_THAT(read_bytes(folder.file("err")), HasSubstr(link.string() + " is gone"));

  PseudoTerminal second;
  second.plug_in_at(link);
  ASSERT_TRUE(within(
      20,
      [&] {
        return sensors() == Fields{"20.500", "", "", "", ""};
      },
      [&] { second.print("20.5\n"); }))
      << read_bytes(log);
  EXPECT_EQ(logger.stop(), 0);
  // Every line whole: a time stamp and CR LF, nothing half written.
  const std::string text = read_bytes(log);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "a line without its end";
    EXPECT_EQ(text[at + 2], ':') << text.substr(at, end - at);
    at = end + 2;
  }
}

}  // namespace
}  // namespace kolvar::logger
