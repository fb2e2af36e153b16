#include "chart/background_run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "chart/record_file.h"

namespace kolvar::chart {

using platform::Millis;

std::string background_label(const std::string& name, std::optional<platform::LocalTime> started) {
  std::string label = "Фон: " + name;
  if (started) {
    const auto day = std::chrono::floor<std::chrono::days>(*started);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{*started - day};
    char text[48];
    std::snprintf(text, sizeof text, " от %02u.%02u.%04d %02d:%02d",
                  static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()));
    label += text;
  }
  return label;
}

BackgroundRun load_background(const std::filesystem::path& file) {
  BackgroundRun run;
  const LoadedRecord loaded = load_record(file, run.model);
  // The name as UTF-8 whatever the system's own encoding of paths.
  const std::u8string name = file.filename().u8string();
  run.label = background_label(std::string(name.begin(), name.end()), loaded.started);
  return run;
}

Colour faded(Colour colour) {
  // Most of the way to white: a tint, not a translucent stroke, so every
  // painter shows it alike and overlapping strokes do not darken.
  auto pale = [](std::uint8_t v) { return static_cast<std::uint8_t>(v + (255 - v) * 11 / 20); };
  return {pale(colour.red), pale(colour.green), pale(colour.blue), colour.alpha};
}

Span shown_span(const TimeWindow& time, const PlotModel& run, const PlotModel* behind) {
  const bool own = !run.points().empty();
  const bool past = behind && !behind->points().empty();
  if (!own && !past) return time.span(0, 0);
  if (!past) return time.span(run.points().first_time(), run.points().last_time());
  const auto& p = behind->points();
  if (!own) return time.span(p.first_time(), p.first_time(), p.last_time());
  const auto& r = run.points();
  return time.span(std::min(r.first_time(), p.first_time()), r.last_time(), p.last_time());
}

}  // namespace kolvar::chart
