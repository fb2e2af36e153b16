#include "settings/value_forms.h"

#include <algorithm>
#include <charconv>

namespace kolvar::settings {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Splits off one leading sign; the rest must then be digits only.
bool split_sign(std::string_view& s, bool& negative) {
  negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  return !s.empty() && std::all_of(s.begin(), s.end(), is_digit);
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string format_number(int value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits + " " : " " + digits + " ";
}

std::optional<std::int16_t> parse_number(std::string_view line) {
  std::string_view s = trim_blanks(line);
  bool negative = false;
  if (!split_sign(s, negative)) return std::nullopt;
  // Parsing the magnitude as int32 with at most five significant digits keeps
  // -32768 reachable without an overflowing negation.
  s.remove_prefix(std::min(s.find_first_not_of('0'), s.size()));
  if (s.size() > 5) return std::nullopt;
  std::int32_t magnitude = 0;
  std::from_chars(s.data(), s.data() + s.size(), magnitude);
  std::int32_t value = negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

std::string format_mark(bool checked) {
  return checked ? "True" : "False";
}

std::optional<bool> parse_mark(std::string_view line) {
  std::string_view s = trim_blanks(line);
  if (equals_ignoring_case(s, "true")) return true;
  if (equals_ignoring_case(s, "false")) return false;
  bool negative = false;
  if (!split_sign(s, negative)) return std::nullopt;
  return s.find_first_not_of('0') != std::string_view::npos;
}

}  // namespace kolvar::settings
