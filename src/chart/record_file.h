#pragma once
// A past run's record into a plot model.
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>

#include "chart/plot_model.h"
#include "platform/time/wall_clock.h"

namespace kolvar::chart {

struct LoadedRecord {
  std::size_t samples = 0;
  // The last row was cut short (the program ended while writing it): the run
  // was not seen to stop, so no stop is marked.
  bool torn = false;
  // The wall time of the first row: when the run was started.
  std::optional<platform::LocalTime> started;
};

// Starts `model` afresh with the record's settings and rows; the last row
// is the run's stop. Throws RecordError for what is not a run record,
// std::runtime_error for a file that cannot be read (the reason alone: the
// caller names the file).
LoadedRecord load_record(std::istream& in, PlotModel& model);
LoadedRecord load_record(const std::filesystem::path& file, PlotModel& model);

}  // namespace kolvar::chart
