#include "form/text_number.h"

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
  double value = 0;
  bool digits = false;
  for (; i < text.size() && is_digit(text[i]); ++i, digits = true)
    value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && is_digit(text[i]); ++i, scale /= 10, digits = true)
      value += (text[i] - '0') * scale;
  }
  if (!digits) return 0;
  return negative ? -value : value;
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
  double r = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) r = 2.0 * std::round(value / 2.0);
  return static_cast<long long>(r);
}

std::string decimal_text(double value, char separator) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  if (s.find('e') != std::string::npos) {  // keep plain digits for large values
    std::snprintf(buf, sizeof buf, "%.0f", value);
    s = buf;
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
