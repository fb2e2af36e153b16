#include "core/log_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/failure.h"
#include "support/temp_folder.h"

namespace kolvar::core {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr std::size_t kBlock = 64 * 1024;

class LogReaderTest : public ::testing::Test {
 protected:
  void write(const std::string& content) {
    std::ofstream(log_, std::ios::binary | std::ios::trunc) << content;
  }

  kolvar::testing::TempFolder folder_;
  const fs::path dir_ = folder_.path();
  const fs::path log_ = dir_ / "keeper log.txt";
};

// Reading every line from the first, as the log was read before reading from
// the end: CR, CR LF and LF each end a line. A last line too long for a log
// line gives "<too long>".
std::string reference_last_line(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string line;
  std::string last;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    last = line;
    line.clear();
  }
  // A line end at the very end leaves no further line to read.
  if (!content.empty() && content.back() != '\r' && content.back() != '\n') last = line;
  return last.size() > kMaxLastLineBytes ? "<too long>" : last;
}

std::string last_line_or_too_long(const fs::path& path) {
  try {
    return read_last_line(path);
  } catch (const Failure& f) {
    return std::string(f.what()).find("длиннее 4096 байт") != std::string::npos ? "<too long>"
                                                                                : f.what();
  }
}

TEST_F(LogReaderTest, LineEnds) {
  const struct {
    std::string content;
    std::string last;
  } cases[] = {
      {"", ""},          {"a", "a"},      {"a\r\n", "a"},
      {"a\r\n\r\n", ""}, {"a\n", "a"},    {"a\r", "a"},
      {"a\rb", "b"},     {"a\nb", "b"},   {"a\r\nb", "b"},
      {"a\n\r", ""},     {"a\r\r\n", ""}, {"\n", ""},
      {"\r\n", ""},      {"\r\r", ""},    {"x\r\n12:00:01  88.3\r\n", "12:00:01  88.3"},
  };
  for (const auto& c : cases) {
    write(c.content);
    EXPECT_EQ(read_last_line(log_), c.last) << ::testing::PrintToString(c.content);
    EXPECT_EQ(reference_last_line(log_), c.last) << ::testing::PrintToString(c.content);
  }
}

// Lines whose ends fall on either side of the block boundaries, where a
// search from the end could miss or split a line end.
TEST_F(LogReaderTest, MatchesTheWholeFileReadingOnGeneratedLogs) {
  std::mt19937 rng(20240611);
  const std::string alphabet = std::string("0123456789 .:-abcXYZ\t\xD0\xB0\xC2\xB0\xFF") + '\0';
  const std::string ends[] = {"\r", "\n", "\r\n", ""};
  // Around the longest last line, and well past it.
  const std::size_t lengths[] = {0,    1,    2,    58,   1022,     1023,       1024,      4094,
                                 4095, 4096, 4097, 4098, 7 * 1024, kBlock - 1, 3 * kBlock};
  for (int round = 0; round < 200; ++round) {
    std::string content;
    const int lines = std::uniform_int_distribution(1, 6)(rng);
    for (int l = 0; l < lines; ++l) {
      std::size_t length = std::uniform_int_distribution<std::size_t>(0, 70)(rng);
      if (rng() % 4 == 0) length = lengths[rng() % std::size(lengths)] + rng() % 3;
      for (std::size_t i = 0; i < length; ++i) content += alphabet[rng() % alphabet.size()];
      content += ends[rng() % std::size(ends)];
    }
    write(content);
    ASSERT_EQ(last_line_or_too_long(log_), reference_last_line(log_)) << "round " << round;
  }
}

TEST_F(LogReaderTest, ALastLineLongerThanAnyLogLineIsAReadError) {
  for (const std::string end : {"", "\r\n"}) {
    write("12:00:00  1\r\n" + std::string(kMaxLastLineBytes, '7') + end);
    EXPECT_EQ(read_last_line(log_), std::string(kMaxLastLineBytes, '7'));
    write("12:00:00  1\r\n" + std::string(kMaxLastLineBytes + 1, '7') + end);
    EXPECT_THAT([&] { read_last_line(log_); },
                ::testing::ThrowsMessage<Failure>(HasSubstr("последняя строка длиннее 4096 байт")));
  }
  // A power cut left the log padded with NULs (a sparse file, nothing on disk).
  write("12:00:00  1\r\n");
  fs::resize_file(log_, std::uintmax_t{256} << 20);
  EXPECT_THROW(read_last_line(log_), Failure);
}

TEST_F(LogReaderTest, FollowsAFileCutOrReplacedBetweenCalls) {
  std::string earlier;
  while (earlier.size() < 5 * kBlock) earlier += "12:00:00  earlier\r\n";
  write(earlier + "12:00:01  old\r\n");
  EXPECT_EQ(read_last_line(log_), "12:00:01  old");

  fs::resize_file(log_, earlier.size() + 7);
  EXPECT_EQ(read_last_line(log_), "12:00:0");

  write("12:00:02  new\r\n");
  EXPECT_EQ(read_last_line(log_), "12:00:02  new");

  const fs::path replacement = dir_ / "next.log";
  std::ofstream(replacement, std::ios::binary) << "12:00:03  renamed\r\n";
  fs::rename(replacement, log_);
  EXPECT_EQ(read_last_line(log_), "12:00:03  renamed");

  write("");
  EXPECT_EQ(read_last_line(log_), "");
}

TEST_F(LogReaderTest, MissingLogOrFolderFailsNamingThePath) {
  for (const fs::path& path : {dir_ / "missing.log", dir_}) {
    try {
      read_last_line(path);
      ADD_FAILURE() << "no failure for " << path;
    } catch (const Failure& failure) {
      EXPECT_THAT(failure.what(),
                  HasSubstr("Не удалось открыть лог темп-кипера: " + path.string()));
    }
  }
}

}  // namespace
}  // namespace kolvar::core
