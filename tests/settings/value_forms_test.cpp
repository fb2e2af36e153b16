#include "settings/value_forms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace kolvar::settings {
namespace {

struct NumberCase {
  std::string line;
  std::optional<std::int16_t> expected;
  friend void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.line);
  }
};

class ParseNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumber, ReadsTheLine) {
  EXPECT_EQ(parse_number(GetParam().line), GetParam().expected) << '"' << GetParam().line << '"';
}

INSTANTIATE_TEST_SUITE_P(Forms, ParseNumber,
                         ::testing::Values(NumberCase{" 880 ", 880}, NumberCase{"880", 880},
                                           NumberCase{"\t 880  ", 880}, NumberCase{" 0 ", 0},
                                           NumberCase{"+5", 5}, NumberCase{"-5 ", -5},
                                           NumberCase{"007", 7},
                                           NumberCase{"000000000000000012", 12},
                                           NumberCase{"32767", 32767}, NumberCase{"-32768", -32768},
                                           NumberCase{"-0", 0}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseNumber,
    ::testing::Values(NumberCase{"32768", {}}, NumberCase{"-32769", {}},
                      NumberCase{"99999999999999999999", {}}, NumberCase{"880.5", {}},
                      NumberCase{"880.", {}}, NumberCase{"880,5", {}}, NumberCase{"8.8E2", {}},
                      NumberCase{"8E2", {}}, NumberCase{"0x10", {}}, NumberCase{"", {}},
                      NumberCase{"   ", {}}, NumberCase{"+", {}}, NumberCase{"-", {}},
                      NumberCase{"+-5", {}}, NumberCase{"- 5", {}}, NumberCase{"8 80", {}},
                      NumberCase{"True", {}}, NumberCase{std::string("88\0", 3), {}}));

TEST(FormatNumber, PutsOneBlankAroundTheDigits) {
  EXPECT_EQ(format_number(880), " 880 ");
  EXPECT_EQ(format_number(0), " 0 ");
  EXPECT_EQ(format_number(-5), "-5 ");
}

TEST(FormatNumber, EverySixteenBitValueReadsBack) {
  for (int v = INT16_MIN; v <= INT16_MAX; ++v) {
    ASSERT_EQ(parse_number(format_number(v)), std::optional<std::int16_t>(v)) << v;
  }
}

struct MarkCase {
  std::string line;
  std::optional<bool> expected;
  friend void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.line);
  }
};

class ParseMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(ParseMark, ReadsTheLine) {
  EXPECT_EQ(parse_mark(GetParam().line), GetParam().expected) << '"' << GetParam().line << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseMark,
    ::testing::Values(MarkCase{"True", true}, MarkCase{"False", false}, MarkCase{"true", true},
                      MarkCase{"TRUE", true}, MarkCase{"fAlSe", false}, MarkCase{" True\t", true},
                      MarkCase{"1", true}, MarkCase{"0", false}, MarkCase{" 1 ", true},
                      MarkCase{"-1", true}, MarkCase{"2", true}, MarkCase{"000", false},
                      MarkCase{"+0", false}, MarkCase{"99999999999999999999", true}));

INSTANTIATE_TEST_SUITE_P(Refused, ParseMark,
                         ::testing::Values(MarkCase{"", {}}, MarkCase{"T", {}},
                                           MarkCase{"Truee", {}}, MarkCase{"yes", {}},
                                           MarkCase{"#TRUE#", {}}, MarkCase{"0.0", {}},
                                           MarkCase{"1.5", {}}, MarkCase{"1E1", {}},
                                           MarkCase{"-", {}}, MarkCase{"Tr ue", {}}));

TEST(FormatMark, WritesTheEnglishWordsThatReadBack) {
  EXPECT_EQ(format_mark(true), "True");
  EXPECT_EQ(format_mark(false), "False");
  EXPECT_EQ(parse_mark(format_mark(true)), true);
  EXPECT_EQ(parse_mark(format_mark(false)), false);
}

}  // namespace
}  // namespace kolvar::settings
