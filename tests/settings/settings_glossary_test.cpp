// docs/settings.md against the settings table it is generated from.
#include "settings/settings_glossary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "platform/files/settings_file.h"
#include "support/file_bytes.h"

namespace kolvar::settings {
namespace {

TEST(SettingsGlossary, TheDocsPageIsWhatTheTableGives) {
  const std::filesystem::path page = std::string(KOLVAR_TEST_DIR) + "/../docs/settings.md";
  ASSERT_TRUE(std::filesystem::exists(page)) << "docs/settings.md is missing";
  EXPECT_TRUE(kolvar::testing::read_bytes(page) == settings_glossary())
      << "docs/settings.md differs from the settings table; write it again with\n"
         "  cmake --build build --target settings_glossary";
}

// The rows name the lines 1 to 114 in order, each once.
TEST(SettingsGlossary, RowsCoverEveryLineOfTheFileInOrder) {
  std::istringstream page(settings_glossary());
  std::size_t next = 1;
  for (std::string row; std::getline(page, row);) {
    if (row.size() < 3 || row.compare(0, 2, "| ") != 0 || !std::isdigit(row[2])) continue;
    std::size_t end = 0;
    const std::size_t first = std::stoul(row.substr(2), &end);
    std::size_t last = first;
    if (row[2 + end] == '-') last = std::stoul(row.substr(3 + end));
    EXPECT_EQ(first, next) << row;
    next = last + 1;
  }
  EXPECT_EQ(next, platform::SettingsFile::kLineCount + 1);
}

}  // namespace
}  // namespace kolvar::settings
