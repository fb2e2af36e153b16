// A small file from outside read whole, or refused at once by what it is.
#include "platform/files/read_only_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/temp_folder.h"

namespace kolvar::platform {
namespace {

// Why the file is refused; "" when it is read.
std::string refusal(const std::filesystem::path& file, std::uint64_t most = 64 * 1024) {
  try {
    read_small_file(file, most);
    return "";
  } catch (const std::system_error& e) {
    return small_file_refusal(e, most);
  }
}

TEST(SmallFile, ARegularFileWithinItsLimitAndNothingElse) {
  kolvar::testing::TempFolder folder;
  std::ofstream(folder.file("small"), std::ios::binary) << "web = 8080\r\n";
  EXPECT_EQ(read_small_file(folder.file("small"), 12), "web = 8080\r\n");
  EXPECT_EQ(refusal(folder.file("small"), 11), "larger than 11 bytes");
  std::ofstream(folder.file("big"), std::ios::binary) << std::string(64 * 1024 + 1, 'x');
  EXPECT_EQ(refusal(folder.file("big")), "larger than 64 KiB");
  std::ofstream(folder.file("empty"));
  EXPECT_EQ(read_small_file(folder.file("empty"), 10), "");

  // A device that never ends, a FIFO no one writes (it would block the
  // open) and a folder are refused at once.
  std::filesystem::create_symlink("/dev/zero", folder.file("zero"));
  EXPECT_EQ(refusal(folder.file("zero")), "not a regular file");
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
  EXPECT_EQ(refusal(folder.file("fifo")), "not a regular file");
  EXPECT_EQ(refusal(folder.path()), "a folder, not a file");
  EXPECT_EQ(refusal(folder.file("missing")),
            std::make_error_code(std::errc::no_such_file_or_directory).message());
}

}  // namespace
}  // namespace kolvar::platform
