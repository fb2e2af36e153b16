// A save killed at any moment must leave the settings file whole: the content
// before that save or after it, never a part of one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "file_lines.h"
#include "platform/files/settings_file.h"

namespace kolvar::settings {
namespace {

using testing::numbered_lines;
using testing::read_bytes;
using testing::TempFolder;
using testing::with_crlf;

// Saves a and b by turns until killed; bounded in case the kill never comes.
[[noreturn]] void save_by_turns(const std::filesystem::path& target,
                                const std::vector<std::string>& a,
                                const std::vector<std::string>& b) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  platform::SettingsFile file(target);
  for (int i = 0; i < 100000; ++i) file.save(i % 2 == 0 ? a : b);
  _exit(0);
}

TEST(SaveCrash, KilledSavesLeaveTheOldOrTheNewFileWhole) {
  TempFolder folder;
  const auto target = folder.file("mytunes.log");
  // Different lengths, so that a mix or a cut of two contents cannot pass.
  const auto initial = numbered_lines("initial");
  const auto a = numbered_lines("A");
  const auto b = numbered_lines("content B");
  platform::SettingsFile file(target);
  ASSERT_EQ(file.save(initial).status, platform::SaveResult::Status::Saved);

  std::mt19937 random(2024);
  std::uniform_int_distribution<int> delay_us(0, 3000);
  // Our temporaries are "mytunes.log.<pid>-<n>.tmp".
  auto our_temporary = [](const std::string& name) {
    const std::string head = "mytunes.log.", tail = ".tmp";
    if (name.size() <= head.size() + tail.size() || name.rfind(head, 0) != 0 ||
        name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
      return false;
    std::string middle = name.substr(head.size(), name.size() - head.size() - tail.size());
    auto dash = middle.find('-');
    auto digits = [](const std::string& s) {
      return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
    };
    return dash != std::string::npos && digits(middle.substr(0, dash)) &&
           digits(middle.substr(dash + 1));
  };
  for (int round = 0; round < 200; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) save_by_turns(target, a, b);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    const std::string bytes = read_bytes(target);
    ASSERT_TRUE(bytes == with_crlf(initial) || bytes == with_crlf(a) || bytes == with_crlf(b))
        << "round " << round << ": " << bytes.size() << " bytes";
    for (const auto& name : folder.names()) {
      ASSERT_TRUE(name == "mytunes.log" || our_temporary(name)) << name;
    }
  }

  // The killed children are gone, so the next save clears what they left.
  ASSERT_EQ(file.save(initial).status, platform::SaveResult::Status::Saved);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"mytunes.log"});
}

}  // namespace
}  // namespace kolvar::settings
