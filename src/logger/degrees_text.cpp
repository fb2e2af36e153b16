#include "logger/degrees_text.h"

#include <cmath>

namespace kolvar::logger {

namespace {

constexpr long long kMostDegrees = 1000000;

bool digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> parse_millidegrees(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && digit(text[i]); ++i) {
    whole = whole * 10 + (text[i] - '0');
    if (whole >= kMostDegrees) return std::nullopt;
  }
  const std::size_t whole_digits = i;
  // Ten-thousandths: three decimals kept and the fourth to round with.
  long long fraction = 0;
  std::size_t fraction_digits = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && digit(text[i]); ++i, ++fraction_digits) {
      if (fraction_digits < 4) fraction = fraction * 10 + (text[i] - '0');
    }
  }
  if (i != text.size() || whole_digits + fraction_digits == 0) return std::nullopt;
  for (std::size_t d = fraction_digits; d < 4; ++d) fraction *= 10;
  const long long magnitude = whole * 1000 + (fraction + 5) / 10;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<int> millidegrees_of(double degrees) {
  if (!std::isfinite(degrees) || std::fabs(degrees) >= static_cast<double>(kMostDegrees)) {
    return std::nullopt;
  }
  return static_cast<int>(std::lround(degrees * 1000.0));
}

}  // namespace kolvar::logger
