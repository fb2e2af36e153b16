#include "journal/run_columns.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace kolvar::journal {

namespace {

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

}  // namespace

const std::array<const char*, kRunColumns>& column_titles(ColumnTitles form) {
  static constexpr std::array<const char*, kRunColumns> text = {
      "date", "duration", "first take-off after", "valve open", "tank max °C", "stop", "note"};
  static constexpr std::array<const char*, kRunColumns> csv = {
      "date", "duration", "first_takeoff_after", "valve_open", "tank_max_c", "stop", "note"};
  static constexpr std::array<const char*, kRunColumns> window = {
      "Дата",    "Длительность", "Первый отбор через", "Клапан открыт", "Бак, макс. °C",
      "Останов", "Заметка"};
  switch (form) {
    case ColumnTitles::Csv:
      return csv;
    case ColumnTitles::Window:
      return window;
    case ColumnTitles::Text:
      break;
  }
  return text;
}

RunCells run_cells(const RunEntry& run, const std::string& none) {
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

}  // namespace kolvar::journal
