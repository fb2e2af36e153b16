// The QR code as modules, without a display: what both windows paint.
#include "remote/qr_code.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvar::remote {
namespace {

// The finder pattern in each of three corners: a dark 7×7 ring, a light
// ring inside it and a dark 3×3 core. A code that has them is laid out
// as a reader expects, with no quiet zone in the modules.
bool finder_at(const QrCode& code, int left, int top) {
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const bool ring = x == 0 || y == 0 || x == 6 || y == 6;
      const bool core = x >= 2 && x <= 4 && y >= 2 && y <= 4;
      if (code.dark_at(left + x, top + y) != (ring || core)) return false;
    }
  return true;
}

TEST(QrCode, AnAddressMakesASquareOfModulesWithItsFinders) {
  const QrCode code = qr_code("http://127.0.0.1:8080/");
  // 22 bytes at medium correction fit version 2: 25 modules a side.
  ASSERT_EQ(code.size, 25);
  ASSERT_EQ(code.dark.size(), 25u * 25u);
  EXPECT_TRUE(finder_at(code, 0, 0));
  EXPECT_TRUE(finder_at(code, code.size - 7, 0));
  EXPECT_TRUE(finder_at(code, 0, code.size - 7));
  EXPECT_FALSE(finder_at(code, code.size - 7, code.size - 7));
}

TEST(QrCode, ALongerTextTakesALargerCodeAndEveryByteCounts) {
  const std::string address = "http://192.168.1.20:8080/?token=0123456789abcdef0123456789abcdef";
  const QrCode code = qr_code(address);
  EXPECT_GT(code.size, qr_code("http://127.0.0.1:8080/").size);
  EXPECT_EQ(qr_code(address).dark, code.dark);
  // A text is encoded by its length: a zero byte inside does not end it.
  const std::string with_zero("ab\0cd", 5);
  EXPECT_NE(qr_code(with_zero).dark, qr_code("ab").dark);
}

TEST(QrCode, WhatNoCodeHoldsGivesNone) {
  EXPECT_TRUE(qr_code("").empty());
  // The largest code holds 2331 bytes at medium correction.
  EXPECT_FALSE(qr_code(std::string(2331, 'a')).empty());
  EXPECT_TRUE(qr_code(std::string(2332, 'a')).empty());
  EXPECT_TRUE(qr_code(std::string(100'000, 'a')).empty());
}

}  // namespace
}  // namespace kolvar::remote
