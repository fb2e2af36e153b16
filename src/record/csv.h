#pragma once
// Comma-separated values as RFC 4180 has them: records end in CR LF; a field
// holding a comma, a quote or a line break is quoted, its quotes doubled.
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar::record {

// One field as written. Blanks at either end are quoted too, so that no
// reader takes them for padding.
std::string csv_field(std::string_view text);
// One whole record, its CR LF included.
std::string csv_record(const std::vector<std::string>& fields);

// A record that breaks the rules: a quote inside an unquoted field, or text
// after a closing quote.
class CsvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads records one at a time; a line end may be CR LF or LF, blank lines are
// skipped. A last record without its line end (or with a quote left open) is
// one that a crash cut short: it ends the reading and torn() tells.
class CsvReader {
 public:
  explicit CsvReader(std::istream& in) : in_(in) {}

  // The next record's fields, or none at the end; throws CsvError.
  std::optional<std::vector<std::string>> next();
  bool torn() const { return torn_; }
  // The line on which the record last returned begins, counting from 1.
  int line() const { return line_; }

 private:
  std::istream& in_;
  bool torn_ = false;
  int line_ = 0;
  int lines_read_ = 0;
};

}  // namespace kolvar::record
