#include "chart/record_reader.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "form/column_state.h"
#include "form/text_number.h"
#include "record/record_format.h"

namespace kolvar::chart {

using record::Sample;
using record::Takeoff;

namespace {

[[noreturn]] void bad(const std::string& column, const std::string& text) {
  throw std::invalid_argument(column + " does not read: \"" + text + "\"");
}

double decimal(const std::string& column, const std::string& text) {
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) bad(column, text);
  return v;
}

long long scaled(const std::string& column, const std::string& text, double scale) {
  return std::llround(decimal(column, text) * scale);
}

std::optional<long long> optional_whole(const std::string& column, const std::string& text) {
  if (text.empty()) return std::nullopt;
  auto v = form::whole_number(text);
  if (!v) bad(column, text);
  return v;
}

Takeoff takeoff_of(const std::string& column, const std::string& text) {
  for (Takeoff t : {Takeoff::None, Takeoff::Liquid, Takeoff::Vapour, Takeoff::Pwm})
    if (text == record::takeoff_field(t)) return t;
  bad(column, text);
}

}  // namespace

RecordReader::RecordReader(std::istream& in) : csv_(in) {
  try {
    while (auto fields = csv_.next()) {
      if (*fields == record::header_fields() || *fields == record::header_fields_without_marks()) {
        columns_ = fields->size();
        return;
      }
      if (fields->size() != 3 || (*fields)[0] != record::kSettingsMark ||
          (*fields)[1] != std::to_string(settings_.size() + 1))
        fail("neither a settings row nor the header");
      settings_.push_back((*fields)[2]);
    }
  } catch (const record::CsvError& e) {
    throw RecordError(e.what());
  }
  throw RecordError("not a run record: no header");
}

std::optional<Sample> RecordReader::next() {
  std::optional<std::vector<std::string>> fields;
  try {
    fields = csv_.next();
  } catch (const record::CsvError& e) {
    throw RecordError(e.what());
  }
  if (!fields) return std::nullopt;
  try {
    if (fields->size() != columns_)
      throw std::invalid_argument(std::to_string(fields->size()) + " fields, not " +
                                  std::to_string(columns_));
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

Sample sample_from_fields(const std::vector<std::string>& f, const std::string& previous_news) {
  const std::vector<std::string>& names = record::header_fields();
  const bool marked = f.size() == names.size();
  if (!marked && f.size() != record::header_fields_without_marks().size())
    throw std::invalid_argument(std::to_string(f.size()) + " fields, not " +
                                std::to_string(names.size()));
  Sample s;
  auto wall = platform::parse_date_time(f[0]);
  if (!wall) bad(names[0], f[0]);
  s.wall = *wall;
  s.since_start = scaled(names[1], f[1], 1000);
  if (marked) {
    auto marks = record::read_error_of(f[16]);
    if (!marks) bad(names[16], f[16]);
    s.read_error = *marks;
  }
  for (std::size_t r = 0; r < 4; ++r) {
    s.temperatures[r] = f[2 + r];
    // An older record has no marks; there a role took part when its column
    // holds text, and that text read no temperature as the cycle took it.
    if (!marked)
      s.read_error[r] =
          !s.temperatures[r].empty() && form::RoleReading::of_text(s.temperatures[r]).unreadable();
    if (!s.read_error[r]) s.degrees[r] = form::reading_degrees(s.temperatures[r]);
  }
  for (std::size_t i = 0; i < 5; ++i)
    s.thresholds[i] = static_cast<int>(scaled(names[6 + i], f[6 + i], 10));
  s.takeoff = takeoff_of(names[11], f[11]);
  if (f[12] == "1" || f[12] == "0")
    s.valve_open = f[12] == "1";
  else if (!f[12].empty())
    bad(names[12], f[12]);
  if (!f[13].empty()) s.share = scaled(names[13], f[13], 1000);
  if (auto port = optional_whole(names[14], f[14])) {
    if (*port < 0 || *port > 255) bad(names[14], f[14]);
    s.port = static_cast<int>(*port);
  }
  s.news = f[15].empty() ? previous_news : f[15];
  return s;
}

}  // namespace kolvar::chart
