#pragma once
// A past run drawn faded behind the one shown, to read the two against each
// other: both from their "Старт системы" (time 0 of each), on one time axis
// and one temperature axis. Only its temperatures are drawn; its thresholds,
// valve and stop would be taken for today's.
#include <filesystem>
#include <optional>
#include <string>

#include "chart/colour.h"
#include "chart/plot_model.h"
#include "chart/time_window.h"
#include "platform/time/wall_clock.h"

namespace kolvar::chart {

struct BackgroundRun {
  PlotModel model;
  std::string label;  // what the legend says of it (UTF-8)
};

// "Фон: NAME, STARTED" (the start left out when the record has no row).
std::string background_label(const std::string& name, std::optional<platform::LocalTime> started);

// The record in `file` as a background run named by its file name. Throws as
// load_record does.
BackgroundRun load_background(const std::filesystem::path& file);

// A curve's colour as the background run draws it: paler, so today's run
// stands out over it and the grid still shows beside it.
Colour faded(Colour colour);

// The stretch `time` shows of `run` with `behind` (if any) under it: the whole
// run reaches as far as the longer of the two.
Span shown_span(const TimeWindow& time, const PlotModel& run, const PlotModel* behind);

}  // namespace kolvar::chart
