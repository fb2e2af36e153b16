#include "logger/w1_text.h"

#include <charconv>
#include <cstddef>

namespace kolvar::logger {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// A whole number of millidegrees and nothing else, checked against what a
// sensor can report.
Reading reading_of(std::string_view number) {
  int value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (number.empty() || error != std::errc{} || stop != end) return {Fault::kGarbage, 0};
  const Fault fault = plausibility(value);
  return {fault, fault == Fault::kOutOfRange ? 0 : value};
}

}  // namespace

Reading parse_temperature_file(std::string_view text) {
  return reading_of(trimmed(text));
}

Reading parse_w1_slave(std::string_view text) {
  const std::size_t line_end = text.find('\n');
  if (line_end == std::string_view::npos) return {Fault::kGarbage, 0};
  const std::string_view check = trimmed(text.substr(0, line_end));
  const std::string_view data = trimmed(text.substr(line_end + 1));
  if (check.find("crc=") == std::string_view::npos) return {Fault::kGarbage, 0};
  if (check.ends_with(" NO")) return {Fault::kCrcError, 0};
  if (!check.ends_with(" YES")) return {Fault::kGarbage, 0};
  const std::size_t t = data.rfind("t=");
  if (t == std::string_view::npos) return {Fault::kGarbage, 0};
  return reading_of(data.substr(t + 2));
}

}  // namespace kolvar::logger
