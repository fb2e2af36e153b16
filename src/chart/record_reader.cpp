#include "record/record_reader.h"

#include "record/record_format.h"

namespace kolvar::record {

RecordReader::RecordReader(std::istream& in) : csv_(in) {
  try {
    while (auto fields = csv_.next()) {
      if (*fields == header_fields()) return;
      if (fields->size() != 3 || (*fields)[0] != kSettingsMark ||
          (*fields)[1] != std::to_string(settings_.size() + 1))
        fail("neither a settings row nor the header");
      settings_.push_back((*fields)[2]);
    }
  } catch (const CsvError& e) {
    throw RecordError(e.what());
  }
  throw RecordError("not a run record: no header");
}

std::optional<Sample> RecordReader::next() {
  std::optional<std::vector<std::string>> fields;
  try {
    fields = csv_.next();
  } catch (const CsvError& e) {
    throw RecordError(e.what());
  }
  if (!fields) return std::nullopt;
  try {
    Sample sample = sample_from_fields(*fields, news_);
    news_ = sample.news;
    return sample;
  } catch (const std::invalid_argument& e) {
    fail(e.what());
  }
}

void RecordReader::fail(const std::string& what) const {
  throw RecordError("line " + std::to_string(csv_.line()) + ": " + what);
}

}  // namespace kolvar::record
