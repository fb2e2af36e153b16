#pragma once
// What one picture of the plot shows, taken from the model for a stretch of
// time and a width in pixel columns, before it is laid out: each curve as the
// minimum and maximum per column, the degrees they span, the valve's open
// periods and the stop within the stretch.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "chart/background_run.h"
#include "chart/plot_channels.h"
#include "chart/plot_model.h"
#include "chart/time_window.h"

namespace kolvar::chart {

struct Series {
  Channel channel;
  std::vector<std::optional<ValueRange>> columns;
  // Columns where the points held no value (a read error): the curve is not
  // joined across them however short they are. Empty where there are none
  // to tell (thresholds).
  std::vector<bool> gaps;
};

// The past run behind: its role temperatures over the same stretch.
struct Behind {
  std::vector<Series> temperatures;
  std::string label;
  platform::Millis bridge = 0;  // as PlotData's, for its own cycle
};

struct PlotData {
  Span span{0, 1};
  std::size_t columns = 0;
  // The role temperatures with a value in the stretch (roles that take part).
  std::vector<Series> temperatures;
  // The thresholds that act on those roles: V1 the dephlegmator's, V2 the
  // packing's, V3 the tank's, V4 and V5 the cooler outlet's.
  std::vector<Series> thresholds;
  // The degrees that the curves and thresholds span, before rounding.
  std::optional<ValueRange> values;
  std::vector<Period> open;  // cut to the stretch
  std::optional<Stop> stop;  // when it falls within the stretch
  // Columns without a point between two with one are drawn joined when the
  // time between them is no longer than this (a zoom narrower than a cycle)
  // and none of them is a gap of the series.
  platform::Millis bridge = 0;
  // None without a past run behind; its degrees are within `values`.
  std::optional<Behind> behind;
};

// The role (0..3) whose temperature a threshold channel is compared with.
std::size_t threshold_role(Channel threshold);

PlotData plot_data(const PlotModel& model, Span span, std::size_t columns,
                   const BackgroundRun* behind = nullptr);

}  // namespace kolvar::chart
