#include "logger/serial_line.h"

#include <algorithm>
#include <optional>

#include "logger/degrees_text.h"

namespace kolvar::logger {

namespace {

bool separator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r' || c == '\n';
}

std::vector<std::string_view> tokens_of(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && separator(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !separator(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_id(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return lower(x) == lower(y); });
}

int column_of(std::string_view id, const std::array<std::string, kColumns>& ids) {
  for (int k = 0; k < kColumns; ++k) {
    if (!ids[k].empty() && same_id(ids[k], id)) return k + 1;
  }
  return 0;
}

}  // namespace

std::vector<ColumnReading> parse_serial_line(std::string_view line,
                                             const std::array<std::string, kColumns>& ids) {
  const std::vector<std::string_view> tokens = tokens_of(line);
  std::vector<ColumnReading> readings;

  std::vector<int> numbers;
  for (std::string_view token : tokens) {
    const std::optional<int> value = parse_millidegrees(token);
    if (!value) break;
    numbers.push_back(*value);
  }
  if (!tokens.empty() && numbers.size() == tokens.size()) {
    const int count = std::min(static_cast<int>(numbers.size()), kColumns);
    for (int k = 0; k < count; ++k) readings.push_back({k + 1, numbers[k]});
    return readings;
  }

  for (std::string_view token : tokens) {
    // The last '=' or ':' splits, as an ID may hold a colon of its own.
    const std::size_t split = token.find_last_of("=:");
    if (split == std::string_view::npos || split == 0) continue;
    const int column = column_of(token.substr(0, split), ids);
    const std::optional<int> value = parse_millidegrees(token.substr(split + 1));
    if (column != 0 && value) readings.push_back({column, *value});
  }
  return readings;
}

}  // namespace kolvar::logger
