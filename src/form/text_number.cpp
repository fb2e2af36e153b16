#include "form/text_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/failure.h"

namespace kolvar::form {

namespace {
bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

double numeric_value(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t begin = i;
  bool digits = false;
  bool nonzero = false;  // in the whole part, for a number too large for a double
  for (; i < text.size() && is_digit(text[i]); ++i) {
    digits = true;
    nonzero = nonzero || text[i] != '0';
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && is_digit(text[i]); ++i) digits = true;
  }
  if (!digits) return 0;
  // Correctly rounded, so a number written with decimal_text reads back as
  // the value written.
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data() + begin, text.data() + i, value, std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range) value = nonzero ? HUGE_VAL : 0;
  return negative ? -value : value;
}

std::optional<double> reading_degrees(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && is_blank(text[b])) ++b;
  while (e > b && is_blank(text[e - 1])) --e;
  std::string pointed(text.substr(b, e - b));
  std::size_t i = (!pointed.empty() && (pointed[0] == '-' || pointed[0] == '+')) ? 1 : 0;
  std::size_t digits = 0, separators = 0;
  for (; i < pointed.size(); ++i) {
    char& ch = pointed[i];
    if (is_digit(ch)) {
      ++digits;
    } else if (ch == '.' || ch == ',') {
      ++separators;
      ch = '.';
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || separators > 1) return std::nullopt;
  const double degrees = numeric_value(pointed);
  if (!shown_by_a_sensor(degrees)) return std::nullopt;
  return degrees;
}

long long counter_value(std::string_view text, std::string_view what) {
  std::size_t b = 0, e = text.size();
  while (b < e && is_blank(text[b])) ++b;
  while (e > b && is_blank(text[e - 1])) --e;
  std::string_view t = text.substr(b, e - b);
  std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  bool ok = i < t.size() && t.size() - i <= 18;
  for (std::size_t k = i; ok && k < t.size(); ++k) ok = is_digit(t[k]);
  if (!ok)
    throw Failure("Не целое число в поле " + std::string(what) + ": \"" + std::string(text) + "\"");
  long long v = 0;
  for (std::size_t k = i; k < t.size(); ++k) v = v * 10 + (t[k] - '0');
  return t[0] == '-' ? -v : v;
}

std::optional<long long> whole_number(std::string_view text) {
  long long v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

double required_number(std::string_view text, std::string_view what) {
  std::size_t b = 0, e = text.size();
  while (b < e && is_blank(text[b])) ++b;
  while (e > b && is_blank(text[e - 1])) --e;
  std::string_view t = text.substr(b, e - b);
  std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  std::size_t digits = 0, points = 0;
  bool other = false;
  for (std::size_t k = i; k < t.size(); ++k) {
    if (is_digit(t[k]))
      ++digits;
    else if (t[k] == '.')
      ++points;
    else
      other = true;
  }
  if (other || digits == 0 || points > 1 || t.size() - i > 30)
    throw Failure("Не число в поле " + std::string(what) + ": \"" + std::string(text) + "\"");
  return numeric_value(t);
}

long long round_half_even(double value) {
  // 2^63 is exact in a double; every double below it in magnitude converts.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(value > -kLimit && value < kLimit))
    throw Failure("Число вне допустимого диапазона: " + decimal_text(value, '.'));
  double r = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) r = 2.0 * std::round(value / 2.0);
  return static_cast<long long>(r);
}

double held_number(double value, std::string_view what) {
  if (!(std::fabs(value) <= kLargestHeldNumber))
    throw Failure("Число вне допустимого диапазона в поле " + std::string(what) + ": " +
                  decimal_text(value, '.'));
  return value;
}

namespace {

// A value of 10^15 or more in plain digits: the shortest digits that read back
// as the same double, then zeros up to the decimal point (1e63 gives "1" and
// 63 zeros, not the binary value's 64 digits). All of its up to 309 integer
// digits are kept, and a fraction where the double has one.
std::string large_whole_text(double value) {
  std::array<char, 32> sci{};
  const auto [end, ec] =
      std::to_chars(sci.data(), sci.data() + sci.size(), value, std::chars_format::scientific);
  if (ec != std::errc()) return {};
  const std::string_view text(sci.data(), static_cast<std::size_t>(end - sci.data()));
  const std::size_t e = text.find('e');
  std::string digits;
  for (char ch : text.substr(0, e))
    if (ch != '.') digits += ch;
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
  const std::size_t sign = digits[0] == '-' ? 1 : 0;
  const std::size_t whole = sign + static_cast<std::size_t>(exponent) + 1;
  if (digits.size() < whole) digits.append(whole - digits.size(), '0');
  if (digits.size() > whole) digits.insert(whole, ".");  // 1e15 + 0.5 needs its half
  return digits;
}

}  // namespace

std::string decimal_text(double value, char separator) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  if (s.find('e') != std::string::npos) {
    if (std::fabs(value) >= 1) {
      s = large_whole_text(value);
    } else {
      std::snprintf(buf, sizeof buf, "%.0f", value);
      s = buf;
    }
  }
  if (s == "-0") s = "0";
  for (char& c : s)
    if (c == '.') c = separator;
  return s;
}

std::string tenths_text(long long tenths, char separator) {
  return decimal_text(static_cast<double>(tenths) / 10.0, separator);
}

}  // namespace kolvar::form
