#include "chart/plot_model.h"

#include <cmath>

#include "chart/plot_channels.h"

namespace kolvar::chart {

PlotModel::PlotModel() : points_(kChannels) {}

PlotModel::PlotModel(Decimator::Limits limits) : points_(kChannels, limits) {}

void PlotModel::start(const std::vector<std::string>& settings) {
  points_.clear();
  open_.clear();
  stop_.reset();
  settings_ = settings;
  news_.clear();
  cycle_ = 0;
}

void PlotModel::add(const record::Sample& sample) {
  // The decimator takes time forwards only; a sample from before the last
  // (a record edited by hand) is not drawn rather than breaking the plot.
  if (!points_.empty() && sample.since_start < points_.last_time()) return;
  // The row after a stop between cycles shares the last cycle's time.
  if (!points_.empty() && sample.since_start > points_.last_time())
    cycle_ = sample.since_start - points_.last_time();
  auto values = plot_values(sample);
  // A reading too large for a float would stretch the axis to infinity; it
  // is no temperature, so it is a gap.
  for (float& v : values)
    if (std::isinf(v)) v = NAN;
  points_.add(sample.since_start, values);
  open_.add(sample.since_start, sample.valve_open);
  news_ = sample.news;
}

void PlotModel::stop() {
  if (points_.empty()) return;
  stop_ = Stop{points_.last_time(), news_};
}

}  // namespace kolvar::chart
