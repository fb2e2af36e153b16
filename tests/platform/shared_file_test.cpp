// The stop sound copied into a working folder only when it has none.
#include "platform/files/shared_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;

std::string shared_file_text(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SharedFile : public ::testing::Test {
 protected:
  SharedFile() {
    fs::create_directories(working);
    fs::create_directories(first);
    fs::create_directories(second);
    std::ofstream(second / "stop.wav") << "second";
  }
  std::optional<fs::path> copy() {
    return copy_shared_file_if_missing(working, "stop.wav", {first, second});
  }

  kolvar::testing::TempFolder folder;
  fs::path working = folder.file("work");
  fs::path first = folder.file("prefix/share/kolvar");
  fs::path second = folder.file("usr/share/kolvar");
};

TEST_F(SharedFile, TheFirstFolderHoldingTheFileIsCopiedFromOnce) {
  EXPECT_EQ(copy(), second / "stop.wav");
  EXPECT_EQ(shared_file_text(working / "stop.wav"), "second");

  std::ofstream(first / "stop.wav") << "first";
  EXPECT_EQ(copy(), std::nullopt);  // the folder has one now
  EXPECT_EQ(shared_file_text(working / "stop.wav"), "second");

  fs::remove(working / "stop.wav");
  EXPECT_EQ(copy(), first / "stop.wav");
  EXPECT_EQ(shared_file_text(working / "stop.wav"), "first");
}

TEST_F(SharedFile, TheOperatorsOwnEntryIsNeverReplaced) {
  std::ofstream(working / "stop.wav") << "mine";
  EXPECT_EQ(copy(), std::nullopt);
  EXPECT_EQ(shared_file_text(working / "stop.wav"), "mine");

  fs::remove(working / "stop.wav");
  fs::create_symlink(folder.file("nowhere.wav"), working / "stop.wav");
  EXPECT_EQ(copy(), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(working / "stop.wav"));
}

TEST_F(SharedFile, NothingToCopyOrNowhereToPutItIsSilent) {
  fs::remove(second / "stop.wav");
  fs::create_directories(first / "stop.wav");  // a folder, not a sound
  EXPECT_EQ(copy(), std::nullopt);
  EXPECT_FALSE(fs::exists(working / "stop.wav"));

  std::ofstream(second / "stop.wav") << "second";
  EXPECT_EQ(copy_shared_file_if_missing(folder.file("gone"), "stop.wav", {second}), std::nullopt);
  EXPECT_FALSE(fs::exists(folder.file("gone")));
}

TEST(SharedFolders, TheProgramsOwnShareFolderComesFirst) {
  const auto folders = shared_folders("/opt/kolvar/bin");
  ASSERT_FALSE(folders.empty());
  EXPECT_EQ(folders.front(), fs::path("/opt/kolvar/bin/../share/kolvar"));
}

}  // namespace
}  // namespace kolvar::platform
