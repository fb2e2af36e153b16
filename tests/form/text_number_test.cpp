#include "form/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/failure.h"

namespace kolvar::form {
namespace {

TEST(NumericValue, LeadingDecimalNumberWithPoint) {
  const std::pair<const char*, double> cases[] = {
      {"88.3", 88.3}, {"  88.3", 88.3}, {"88,5", 88}, {"55", 55},
      {"-3.5", -3.5}, {"", 0},          {"abc", 0},   {"°C 20", 0},
      {"20°C", 20},   {".5", 0.5},      {"7.", 7},    {"+4", 4},
      {"1e3", 1},     {"  -", 0},       {"0", 0},     {"100.25xyz", 100.25},
  };
  for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(form::numeric_value(text), value) << text;
}

TEST(CounterValue, WholeNumbersOnly) {
  EXPECT_EQ(form::counter_value("3", "wait"), 3);
  EXPECT_EQ(form::counter_value(" -2 ", "wait"), -2);
  EXPECT_EQ(form::counter_value("0", "wait"), 0);
  for (const char* bad : {"", "abc", "3.5", "1e2", "12a", "-", " "}) {
    try {
      form::counter_value(bad, "wait");
      ADD_FAILURE() << bad;
    } catch (const Failure& f) {
      EXPECT_NE(std::string(f.what()).find("wait"), std::string::npos);
    }
  }
}

TEST(RequiredNumber, DecimalsAllowedGarbageFails) {
  EXPECT_DOUBLE_EQ(form::required_number(" 2.5 ", "lift_up_def"), 2.5);
  EXPECT_DOUBLE_EQ(form::required_number("1000", "lift_speed"), 1000);
  for (const char* bad : {"", "x", "1.2.3", "4 cm", "1,5"})
    EXPECT_THROW(form::required_number(bad, "lift_up_def"), Failure) << bad;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, long long> cases[] = {
      {0.5, 0},        {1.5, 2},        {2.5, 2},    {-0.5, 0},   {-1.5, -2}, {12.5, 12},
      {4000.02, 4000}, {1999.98, 2000}, {2.4999, 2}, {2.5001, 3}, {3.0, 3},
  };
  for (auto [v, r] : cases) EXPECT_EQ(form::round_half_even(v), r) << v;
}

TEST(RoundHalfEven, WhatNoWholeNumberCanHoldFails) {
  for (double v :
       {9223372036854775808.0, -9223372036854775808.0, 1.5e19, 1e300, HUGE_VAL, std::nan("")})
    EXPECT_THROW(form::round_half_even(v), Failure) << v;
  EXPECT_EQ(form::round_half_even(9223372036854774784.0), 9223372036854774784LL);
}

TEST(DecimalText, LargeNumbersKeepEveryDigit) {
  const std::string big = "1" + std::string(63, '0');
  EXPECT_EQ(form::decimal_text(form::numeric_value("        " + big), '.'), big);
  EXPECT_EQ(form::decimal_text(-1e300, '.').size(), 302u);
  EXPECT_EQ(form::decimal_text(123456789012345678.0, '.'), "123456789012345680");
  for (double v : {1e15 + 0.5, 1234567890123456.75, 9007199254740993.0, 1.5e19, 1e308})
    EXPECT_EQ(form::numeric_value(form::decimal_text(v, '.')), v) << v;
}

TEST(HeldNumber, FiniteUpToTenToTheFifteenth) {
  EXPECT_EQ(form::held_number(-1e15, "otb"), -1e15);
  for (double v : {1e15 + 1, -2e15, HUGE_VAL, std::nan("")}) {
    try {
      form::held_number(v, "otb");
      ADD_FAILURE() << v;
    } catch (const Failure& f) {
      EXPECT_NE(std::string(f.what()).find("otb"), std::string::npos);
    }
  }
}

TEST(DecimalText, FractionOnlyWhenThereIsOne) {
  EXPECT_EQ(form::decimal_text(995 / 10.0, ','), "99,5");
  EXPECT_EQ(form::decimal_text(990 / 10.0, ','), "99");
  EXPECT_EQ(form::decimal_text(999 / 10.0, '.'), "99.9");
  EXPECT_EQ(form::decimal_text(2500 / 1000.0, ','), "2,5");
  EXPECT_EQ(form::decimal_text(33333 / 1000.0, '.'), "33.333");
  EXPECT_EQ(form::decimal_text(0, '.'), "0");
  EXPECT_EQ(form::decimal_text(-0.0, '.'), "0");
  EXPECT_EQ(form::tenths_text(1, ','), "0,1");
  EXPECT_EQ(form::tenths_text(1000, ','), "100");
}

}  // namespace
}  // namespace kolvar::form
