#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_lines.h"
#include "platform/files/settings_file.h"
#include "unprivileged.h"

namespace kolvar::settings {
namespace {

namespace fs = std::filesystem;
using testing::numbered_lines;
using testing::read_bytes;
using testing::save_without_privileges;
using testing::TempFolder;
using testing::with_crlf;
using testing::write_bytes;
using Status = platform::SaveResult::Status;

class SettingsFileSaving : public ::testing::Test {
 protected:
  fs::path target() const { return folder_.file("mytunes.log"); }
  // The old file of a failure test, and a check that nothing else appeared.
  void write_old_file() { write_bytes(target(), old_bytes_); }
  void expect_old_file_alone() {
    EXPECT_EQ(read_bytes(target()), old_bytes_);
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"mytunes.log"});
  }

  TempFolder folder_;
  platform::SettingsFile file_{target()};
  std::string old_bytes_ = with_crlf(numbered_lines("old"));
  std::vector<std::string> new_lines_ = numbered_lines("new");
};

TEST_F(SettingsFileSaving, WritesEveryLineWithCrLfAndReadsBack) {
  std::vector<std::string> lines = {" 0 ", "C:\\Программы\\keeper.log", "", "True", " 880 "};
  ASSERT_EQ(file_.save(lines).status, Status::Saved);
  EXPECT_EQ(read_bytes(target()), with_crlf(lines));
  std::vector<std::string> read_back;
  platform::SettingsFile::Reader reader = file_.open_for_reading();
  while (auto line = reader.next_line()) read_back.push_back(*line);
  EXPECT_EQ(read_back, lines);
}

TEST_F(SettingsFileSaving, ReplacesALongerFileWhole) {
  write_bytes(target(), with_crlf(numbered_lines("old", 200)));
  ASSERT_EQ(file_.save(new_lines_).status, Status::Saved);
  EXPECT_EQ(read_bytes(target()), with_crlf(new_lines_));
}

TEST_F(SettingsFileSaving, IsSuppressedWhileAReaderLives) {
  write_old_file();
  {
    platform::SettingsFile::Reader reader = file_.open_for_reading();
    platform::SaveResult result = file_.save(new_lines_);
    EXPECT_EQ(result.status, Status::Suppressed);
    EXPECT_EQ(result.reason, "");
    EXPECT_EQ(reader.next_line(), "old 1 ");
  }
  expect_old_file_alone();
  EXPECT_EQ(file_.save(new_lines_).status, Status::Saved);
}

TEST_F(SettingsFileSaving, LineBreakInsideALineFails) {
  write_old_file();
  for (const char* broken : {"a\r\nb", "a\nb", "a\r"}) {
    std::vector<std::string> lines = new_lines_;
    lines[1] = broken;
    platform::SaveResult result = file_.save(lines);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.reason, "строка 2 содержит перевод строки");
  }
  expect_old_file_alone();
}

TEST_F(SettingsFileSaving, ReadOnlyFolderFailsWithReason) {
  write_old_file();
  fs::permissions(target(), fs::perms::all & ~fs::perms::others_exec & ~fs::perms::group_exec &
                                ~fs::perms::owner_exec);
  fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  platform::SaveResult result = save_without_privileges(file_, new_lines_);
  EXPECT_EQ(result.status, Status::Failed);
  EXPECT_EQ(result.reason, "нет доступа");
  expect_old_file_alone();
}

TEST_F(SettingsFileSaving, ReadOnlyFileIsNotOverruled) {
  write_old_file();
  fs::permissions(folder_.path(), fs::perms::all);
  fs::permissions(target(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  platform::SaveResult result = save_without_privileges(file_, new_lines_);
  EXPECT_EQ(result.status, Status::Failed);
  EXPECT_FALSE(result.reason.empty());
  expect_old_file_alone();
}

TEST_F(SettingsFileSaving, FolderInTheWayFails) {
  fs::create_directory(target());
  write_bytes(target() / "inside", "kept");
  platform::SaveResult result = file_.save(new_lines_);
  EXPECT_EQ(result.status, Status::Failed);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_EQ(read_bytes(target() / "inside"), "kept");
  EXPECT_EQ(folder_.names(), std::vector<std::string>{"mytunes.log"});
}

TEST_F(SettingsFileSaving, MissingFolderFails) {
  platform::SettingsFile file(folder_.file("no such folder") / "mytunes.log");
  platform::SaveResult result = file.save(new_lines_);
  EXPECT_EQ(result.status, Status::Failed);
  EXPECT_EQ(result.reason, "файл или папка не найдены");
}

TEST_F(SettingsFileSaving, KeepsTheFilePermissions) {
  write_old_file();
  fs::permissions(target(), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(file_.save(new_lines_).status, Status::Saved);
  EXPECT_EQ(fs::status(target()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SettingsFileSaving, FollowsASymbolicLink) {
  fs::create_directory(folder_.file("real"));
  write_bytes(folder_.file("real") / "settings", old_bytes_);
  fs::create_symlink(fs::path("real") / "settings", target());
  ASSERT_EQ(file_.save(new_lines_).status, Status::Saved);
  EXPECT_TRUE(fs::is_symlink(target()));
  EXPECT_EQ(read_bytes(folder_.file("real") / "settings"), with_crlf(new_lines_));
}

TEST_F(SettingsFileSaving, RemovesTemporariesOfEndedProcessesOnly) {
  // No process has the largest pid; the parent of this test runs.
  const std::string dead = "mytunes.log.2147483646-0.tmp";
  const std::string live = "mytunes.log." + std::to_string(getppid()) + "-3.tmp";
  const std::vector<std::string> unrelated = {"mytunes.log.2147483646.tmp", "mytunes.log.bak",
                                              "other.log.2147483646-0.tmp"};
  for (const auto& name : unrelated) write_bytes(folder_.file(name), "x");
  write_bytes(folder_.file(dead), "x");
  write_bytes(folder_.file(live), "x");
  ASSERT_EQ(file_.save(new_lines_).status, Status::Saved);
  std::vector<std::string> expected = unrelated;
  expected.push_back(live);
  expected.push_back("mytunes.log");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder_.names(), expected);
}

}  // namespace
}  // namespace kolvar::settings
