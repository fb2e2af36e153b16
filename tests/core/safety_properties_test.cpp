// The safety rules hold whatever the operator, the settings and the column
// do: a few hundred seeded random runs on virtual time.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/safety_run.h"
#include "support/temp_folder.h"

namespace kolvar::core {
namespace {

// On a tmpfs where there is one: every menu click and edit saves the settings
// file, and a save flushes it to disk.
class SafetyProperties : public ::testing::Test {
 protected:
  static std::filesystem::path base() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path();
  }
  kolvar::testing::TempFolder folder{base()};
  kolvar::testing::WorkingFolder working{folder.path()};
};

TEST_F(SafetyProperties, HoldInRandomRuns) {
  const char* texts[] = {"0",     "1",   "3", "500", "1000",  "5000",
                         "-1000", "2.5", "",  "abc", "65536", "99999999999999999999",
                         "1e3",   " 7 "};
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    kolvar::testing::SafetyRun run([&](std::uint32_t n) { return rng() % n; },
                                   [&] { return std::string(texts[rng() % std::size(texts)]); });
    for (int step = 0; step < 100; ++step) {
      const std::string broken = run.step();
      ASSERT_EQ(broken, "") << "seed " << seed << ", step " << step;
    }
    std::filesystem::remove("mytunes.log");
    std::filesystem::remove("keeper.log");
  }
}

}  // namespace
}  // namespace kolvar::core
