#include "journal/run_table.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <string>

#include "record/csv.h"

namespace kolvar::journal {

namespace {

constexpr std::size_t kColumns = 7;
constexpr std::array<const char*, kColumns> kHeader = {
    "date", "duration", "first take-off after", "valve open", "tank max °C", "stop", "note"};
constexpr std::array<const char*, kColumns> kCsvHeader = {
    "date", "duration", "first_takeoff_after", "valve_open", "tank_max_c", "stop", "note"};

// "5:02:07" for 5 h 2 min 7 s.
std::string clock_text(platform::Millis ms) {
  const long long s = std::max<platform::Millis>(0, ms) / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

std::string stop_text(const record::RunSummary& s) {
  if (s.stopped) return s.stop_reason;
  if (s.cut) return "(record cut short)";
  return "(no stop recorded)";
}

// Blank where there is nothing to tell: the CSV's readers take an empty
// field for none, a person reads a dash.
std::array<std::string, kColumns> fields(const RunEntry& run, const std::string& none) {
  const record::RunSummary& s = run.summary;
  std::string tank = none;
  if (s.tank_max) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *s.tank_max);
    tank = text;
  }
  std::string date = s.start ? platform::date_time_text(*s.start) : none;
  return {std::move(date),
          clock_text(s.duration),
          s.first_open ? clock_text(*s.first_open) : none,
          clock_text(s.valve_open),
          std::move(tank),
          stop_text(s),
          run.note};
}

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t width(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

void write_table(const std::vector<RunEntry>& runs, TableForm form, std::ostream& out) {
  if (form == TableForm::Csv) {
    out << record::csv_record({kCsvHeader.begin(), kCsvHeader.end()});
    for (const RunEntry& run : runs) {
      const auto f = fields(run, "");
      out << record::csv_record({f.begin(), f.end()});
    }
    return;
  }
  std::vector<std::array<std::string, kColumns>> lines;
  lines.push_back({});
  for (std::size_t k = 0; k < kColumns; ++k) lines[0][k] = kHeader[k];
  for (const RunEntry& run : runs) lines.push_back(fields(run, "-"));
  std::array<std::size_t, kColumns> widths{};
  for (const auto& line : lines)
    for (std::size_t k = 0; k < kColumns; ++k) widths[k] = std::max(widths[k], width(line[k]));
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t k = 0; k < kColumns; ++k) {
      text += line[k];
      if (k + 1 < kColumns) text += std::string(widths[k] - width(line[k]) + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out << text << '\n';
  }
}

int print_runs(const std::filesystem::path& folder, TableForm form, std::ostream& out,
               std::ostream& err) {
  std::vector<RunEntry> runs;
  try {
    runs = list_runs(folder);
  } catch (const std::exception& e) {
    err << "kolvar-plot: " << folder.string() << ": " << e.what() << "\n";
    return 2;
  }
  write_table(runs, form, out);
  return 0;
}

}  // namespace kolvar::journal
