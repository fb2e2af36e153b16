// The safety rules hold whatever the operator, the settings and the column
// do: a few hundred seeded random runs on virtual time. `./dev soak` plays the
// same runs for fresh seeds.
#include <gtest/gtest.h>

#include <string>

#include "support/safety_seeds.h"
#include "support/temp_folder.h"

namespace kolvar::core {
namespace {

// On a tmpfs where there is one: every menu click and edit saves the settings
// file, and a save flushes it to disk.
class SafetyProperties : public ::testing::Test {
 protected:
  kolvar::testing::TempFolder folder{kolvar::testing::memory_temp_directory()};
  kolvar::testing::WorkingFolder working{folder.path()};
};

TEST_F(SafetyProperties, HoldInRandomRuns) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    const kolvar::testing::RunOutcome outcome = kolvar::testing::run_seed(seed);
    ASSERT_EQ(outcome.rule, "") << kolvar::testing::failure_report(seed);
  }
}

}  // namespace
}  // namespace kolvar::core
