#include "logger/serial_line.h"

#include <algorithm>
#include <optional>

#include "logger/degrees_text.h"

namespace kolvar::logger {

namespace {

bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool field_separator(char c) {
  return c == ',' || c == ';';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The line's fields. Where it has a comma or semicolon, each of them ends a
// field (blanks and tabs around a field are not part of it, and one at the
// very end starts none), so an empty field keeps its place. Otherwise
// blanks and tabs separate fields, any number of them.
std::vector<std::string_view> fields_of(std::string_view line) {
  line = trimmed(line);
  std::vector<std::string_view> fields;
  if (line.find_first_of(",;") != std::string_view::npos) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      if (i < line.size() && !field_separator(line[i])) continue;
      if (i < line.size() || start < line.size()) {
        fields.push_back(trimmed(line.substr(start, i - start)));
      }
      start = i + 1;
    }
    return fields;
  }
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !blank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
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
  const std::vector<std::string_view> fields = fields_of(line);
  std::vector<ColumnReading> readings;

  // A row of numbers, where an empty field is a sensor the board could not
  // read; a row of nothing but empty fields is no reading at all.
  bool row = false;
  std::vector<ColumnReading> in_order;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    std::optional<int> value;
    if (!fields[k].empty()) {
      value = parse_millidegrees(fields[k]);
      if (!value) break;
      row = true;
    }
    if (static_cast<int>(k) < kColumns) in_order.push_back({static_cast<int>(k) + 1, value});
    if (k + 1 == fields.size() && row) return in_order;
  }

  for (std::string_view field : fields) {
    // The last '=' or ':' splits, as an ID may hold a colon of its own.
    const std::size_t split = field.find_last_of("=:");
    if (split == std::string_view::npos || split == 0) continue;
    const int column = column_of(trimmed(field.substr(0, split)), ids);
    const std::optional<int> value = parse_millidegrees(trimmed(field.substr(split + 1)));
    if (column != 0 && value) readings.push_back({column, value});
  }
  return readings;
}

}  // namespace kolvar::logger
