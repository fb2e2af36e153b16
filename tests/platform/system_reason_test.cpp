#include "platform/system_reason.h"

#include <gtest/gtest.h>

namespace kolvar::platform {
namespace {

TEST(SystemReason, CommonReasonsInTheOperatorsLanguageOthersAsTheSystemSays) {
  EXPECT_EQ(system_reason(std::make_error_code(std::errc::no_such_file_or_directory)),
            "файл или папка не найдены");
  EXPECT_EQ(system_reason(std::error_code(EACCES, std::system_category())), "нет доступа");
  const auto other = std::make_error_code(std::errc::connection_reset);
  EXPECT_EQ(system_reason(other), other.message());
}

}  // namespace
}  // namespace kolvar::platform
