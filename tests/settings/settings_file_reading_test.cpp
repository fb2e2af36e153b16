#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "file_lines.h"
#include "platform/failure.h"
#include "platform/files/settings_file.h"

namespace kolvar::settings {
namespace {

using testing::TempFolder;
using testing::write_bytes;

std::vector<std::string> all_lines(platform::SettingsFile& file) {
  std::vector<std::string> lines;
  platform::SettingsFile::Reader reader = file.open_for_reading();
  while (auto line = reader.next_line()) lines.push_back(*line);
  return lines;
}

struct SplitCase {
  std::string name;
  std::string bytes;
  std::vector<std::string> lines;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.bytes.size() << " bytes"; }
};

class LineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, SplitsAtEveryKindOfLineEnd) {
  TempFolder folder;
  write_bytes(folder.file("mytunes.log"), GetParam().bytes);
  platform::SettingsFile file(folder.file("mytunes.log"));
  EXPECT_EQ(all_lines(file), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineSplitting,
    ::testing::Values(
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
        SplitCase{"LfOnly", "a\nb\n", {"a", "b"}},
        SplitCase{"Mixed", "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
        SplitCase{"NoFinalLineEnd", "a\r\nb", {"a", "b"}}, SplitCase{"Empty", "", {}},
        SplitCase{"EmptyLines", "\r\n\r\n", {"", ""}},
        SplitCase{"CrBeforeCrLf", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"LfBeforeCr", "a\n\rb", {"a", "", "b"}},
        SplitCase{"BlanksKept", " 880 \r\n\t\r\n", {" 880 ", "\t"}},
        SplitCase{"NulIsAByte",
                  std::string("a\0b\r\n\0", 6),
                  {std::string("a\0b", 3), std::string(1, '\0')}},
        SplitCase{"ByteOrderMarkDropped", "\xEF\xBB\xBF 1 \r\nx", {" 1 ", "x"}},
        SplitCase{"ByteOrderMarkOnlyAtStart", "x\r\n\xEF\xBB\xBFy", {"x", "\xEF\xBB\xBFy"}}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsFileReading, StopsAfterLine114) {
  TempFolder folder;
  std::string bytes;
  for (int i = 1; i <= 200; ++i) bytes += std::to_string(i) + "\r\n";
  write_bytes(folder.file("mytunes.log"), bytes);
  platform::SettingsFile file(folder.file("mytunes.log"));
  std::vector<std::string> lines = all_lines(file);
  ASSERT_EQ(lines.size(), 114u);
  EXPECT_EQ(lines.back(), "114");
}

TEST(SettingsFileReading, OverlongLineIsCutAndTheNextLineStaysInPlace) {
  TempFolder folder;
  write_bytes(folder.file("mytunes.log"), std::string(100000, 'x') + "\r\nnext\r\n");
  platform::SettingsFile file(folder.file("mytunes.log"));
  std::vector<std::string> lines = all_lines(file);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(platform::SettingsFile::kMaxLineLength, 'x'));
  EXPECT_EQ(lines[1], "next");
}

TEST(SettingsFileReading, ReadingStopsAfterItsByteBound) {
  TempFolder folder;
  const std::size_t bound = platform::SettingsFile::kMaxFileBytes;
  write_bytes(folder.file("mytunes.log"), std::string(bound, '\0') + "\r\nnext\r\n");
  platform::SettingsFile file(folder.file("mytunes.log"));
  std::vector<std::string> lines = all_lines(file);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], std::string(platform::SettingsFile::kMaxLineLength, '\0'));
}

TEST(SettingsFileReading, BinaryGarbageGivesBoundedLines) {
  TempFolder folder;
  std::mt19937 random(11);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string garbage;
  for (int i = 0; i < 1 << 18; ++i) garbage.push_back(static_cast<char>(byte(random)));
  write_bytes(folder.file("mytunes.log"), garbage);
  platform::SettingsFile file(folder.file("mytunes.log"));
  std::vector<std::string> lines = all_lines(file);
  EXPECT_EQ(lines.size(), 114u);
  for (const auto& line : lines) EXPECT_LE(line.size(), platform::SettingsFile::kMaxLineLength);
}

TEST(SettingsFileReading, MissingFileOrFolderCannotBeOpened) {
  TempFolder folder;
  platform::SettingsFile missing(folder.file("mytunes.log"));
  EXPECT_THROW(missing.open_for_reading(), Failure);
  EXPECT_EQ(missing.read_first_line(), std::nullopt);

  std::filesystem::create_directory(folder.file("mytunes.log"));
  platform::SettingsFile a_folder(folder.file("mytunes.log"));
  EXPECT_THROW(a_folder.open_for_reading(), Failure);
  EXPECT_EQ(a_folder.read_first_line(), std::nullopt);
  EXPECT_FALSE(a_folder.is_open_for_reading());
}

TEST(SettingsFileReading, FileCountsAsOpenWhileAReaderLives) {
  TempFolder folder;
  write_bytes(folder.file("mytunes.log"), "1\r\n2\r\n");
  platform::SettingsFile file(folder.file("mytunes.log"));
  {
    platform::SettingsFile::Reader reader = file.open_for_reading();
    EXPECT_TRUE(file.is_open_for_reading());
    platform::SettingsFile::Reader moved = std::move(reader);
    EXPECT_EQ(reader.next_line(), std::nullopt);
    EXPECT_EQ(moved.next_line(), "1");
    {
      platform::SettingsFile::Reader second = file.open_for_reading();
      moved = std::move(second);  // closes the first reader
    }
    EXPECT_TRUE(file.is_open_for_reading());
    EXPECT_EQ(moved.next_line(), "1");
    while (moved.next_line()) {
    }
    EXPECT_TRUE(file.is_open_for_reading());  // until the reader is gone, not the lines
  }
  EXPECT_FALSE(file.is_open_for_reading());
}

TEST(SettingsFileReading, FirstLineAlone) {
  TempFolder folder;
  platform::SettingsFile file(folder.file("mytunes.log"));
  write_bytes(file.path(), "\xEF\xBB\xBF 1 \r\nrest\r\n");
  EXPECT_EQ(file.read_first_line(), " 1 ");
  EXPECT_FALSE(file.is_open_for_reading());
  write_bytes(file.path(), "");
  EXPECT_EQ(file.read_first_line(), std::nullopt);
}

}  // namespace
}  // namespace kolvar::settings
