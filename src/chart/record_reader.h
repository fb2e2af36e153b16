#pragma once
// Reading a run record back (the plot of a past run): its settings, then its
// rows one at a time, so a record of any length costs one row of memory. The
// temperatures' text becomes numbers here, the only place a record's text is
// read as degrees.
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "record/csv.h"
#include "record/sample.h"

namespace kolvar::chart {

// A file that is not a run record, or a row that does not read; names the line.
class RecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RecordReader {
 public:
  // Reads the settings rows and the header; throws RecordError.
  explicit RecordReader(std::istream& in);

  // The settings file's lines as they were at the start.
  const std::vector<std::string>& settings() const { return settings_; }
  // The next row, or none at the end; throws RecordError.
  std::optional<record::Sample> next();
  // Whether the last row was cut short (a crash while it was written); it is
  // left out.
  bool torn() const { return csv_.torn(); }

 private:
  [[noreturn]] void fail(const std::string& what) const;

  record::CsvReader csv_;
  std::vector<std::string> settings_;
  std::string news_;
  std::size_t columns_ = 0;  // as the header has them
};

// One row's fields read back, the temperatures' degrees included; an empty
// news field carries `previous_news` over. A row of a record from before the
// read-error mark (one field fewer) has its marks taken from the
// temperatures' text. Throws std::invalid_argument naming the field that
// does not read.
record::Sample sample_from_fields(const std::vector<std::string>& fields,
                                  const std::string& previous_news);

}  // namespace kolvar::chart
