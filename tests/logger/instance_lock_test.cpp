#include "logger/instance_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

#include "support/temp_folder.h"

namespace kolvar::logger {
namespace {

// flock belongs to an open file, so a second take in the same process
// stands for a second copy of the program.
TEST(InstanceLock, SecondCopyRefusedUntilTheFirstEnds) {
  kolvar::testing::TempFolder folder;
  const auto path = lock_path_for(folder.file("temperatures.log"));
  EXPECT_EQ(path, folder.file("temperatures.log.lock"));
  {
    const std::optional<InstanceLock> first = InstanceLock::try_take(path);
    ASSERT_TRUE(first);
    EXPECT_FALSE(InstanceLock::try_take(path));
    EXPECT_EQ(InstanceLock::recorded_holder(path), ::getpid());
  }
  EXPECT_TRUE(InstanceLock::try_take(path));
}

}  // namespace
}  // namespace kolvar::logger
