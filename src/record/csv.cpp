#include "record/csv.h"

#include <algorithm>
#include <istream>

namespace kolvar::record {

std::string csv_field(std::string_view text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quoted) return std::string(text);
  std::string field = "\"";
  for (char ch : text) {
    if (ch == '"') field += '"';
    field += ch;
  }
  return field + '"';
}

std::string csv_record(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += csv_field(fields[i]);
  }
  return record + "\r\n";
}

namespace {

std::vector<std::string> split(std::string_view text, int line) {
  std::vector<std::string> fields(1);
  enum { Start, Plain, Quoted, AfterQuote } state = Start;
  auto fail = [&](const char* what) {
    throw CsvError("line " + std::to_string(line) + ": " + what);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (state == Quoted) {
      if (ch != '"') {
        fields.back() += ch;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        state = AfterQuote;
      }
    } else if (ch == ',') {
      fields.emplace_back();
      state = Start;
    } else if (state == AfterQuote) {
      fail("text after a closing quote");
    } else if (ch == '"') {
      if (state == Plain) fail("a quote inside an unquoted field");
      state = Quoted;
    } else {
      fields.back() += ch;
      state = Plain;
    }
  }
  return fields;
}

}  // namespace

std::optional<std::vector<std::string>> CsvReader::next() {
  std::string text;
  std::string part;
  while (true) {
    if (!std::getline(in_, part)) {
      torn_ = torn_ || !text.empty();
      return std::nullopt;
    }
    ++lines_read_;
    const bool ended = !in_.eof();  // getline found the LF
    if (text.empty() && (part.empty() || part == "\r") && ended) continue;
    if (text.empty()) line_ = lines_read_;
    text += part;
    const bool open_quote = std::count(text.begin(), text.end(), '"') % 2 == 1;
    if (!ended) {
      torn_ = true;
      return std::nullopt;
    }
    if (!open_quote) break;
    text += '\n';
  }
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return split(text, line_);
}

}  // namespace kolvar::record
