#include "platform/percent_decoding.h"

#include <gtest/gtest.h>

namespace kolvar::platform {
namespace {

TEST(PercentDecoding, DecodesEachEscapeOfEitherCaseAndKeepsTheRest) {
  EXPECT_EQ(percent_decoded(""), "");
  EXPECT_EQ(percent_decoded("p%40ss+w%3aord%3A"), "p@ss+w:ord:");
  EXPECT_EQ(percent_decoded("%25%2541"), "%%41");  // decoded once, not again
  EXPECT_EQ(percent_decoded("%00x"), std::string("\0x", 2));
  EXPECT_EQ(percent_decoded("%d0%9f"), "\xd0\x9f");
}

TEST(PercentDecoding, RefusesAPercentWithoutTwoHexDigits) {
  for (const char* bad : {"%", "a%", "a%4", "%4g", "%g4", "100%", "%%41", "x% 1"})
    EXPECT_EQ(percent_decoded(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace kolvar::platform
