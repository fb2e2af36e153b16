#include "chart/plot_data.h"

#include <algorithm>
#include <array>

namespace kolvar::chart {

namespace {

std::optional<ValueRange> extent(const Series& s) {
  std::optional<ValueRange> out;
  for (const auto& r : s.columns) {
    if (!r) continue;
    if (!out) out = *r;
    out->min = std::min(out->min, r->min);
    out->max = std::max(out->max, r->max);
  }
  return out;
}

void widen(std::optional<ValueRange>& into, const std::optional<ValueRange>& by) {
  if (!by) return;
  if (!into) into = *by;
  into->min = std::min(into->min, by->min);
  into->max = std::max(into->max, by->max);
}

// A few cycles without a point are a zoom finer than the cycle, not a gap.
platform::Millis bridge_of(const PlotModel& model) {
  return std::max<platform::Millis>(30'000, 3 * model.cycle());
}

// The role temperatures of `model` that hold a value in the stretch.
std::vector<Series> temperatures(const PlotModel& model, Span span, std::size_t columns,
                                 std::optional<ValueRange>& values) {
  std::vector<Series> out;
  if (model.empty()) return out;
  const auto& points = model.points();
  for (std::size_t role = 0; role < 4; ++role) {
    const auto channel = static_cast<Channel>(kT1 + role);
    Series s{channel, points.columns(channel, span.from, span.to, columns),
             points.gaps(channel, span.from, span.to, columns)};
    const auto range = extent(s);
    if (!range) continue;
    widen(values, range);
    out.push_back(std::move(s));
  }
  return out;
}

}  // namespace

std::size_t threshold_role(Channel threshold) {
  return std::min<std::size_t>(threshold - kV1, 3);
}

PlotData plot_data(const PlotModel& model, Span span, std::size_t columns,
                   const BackgroundRun* behind) {
  PlotData data;
  data.span = span.width() > 0 ? span : Span{span.from, span.from + 1};
  data.columns = columns;
  data.bridge = bridge_of(model);
  if (behind && columns > 0)
    data.behind = Behind{temperatures(behind->model, data.span, columns, data.values),
                         behind->label, bridge_of(behind->model)};
  if (model.empty() || columns == 0) return data;

  const auto& points = model.points();
  data.temperatures = temperatures(model, data.span, columns, data.values);
  std::array<bool, 4> present{};
  for (const Series& s : data.temperatures) present[s.channel - kT1] = true;
  for (std::size_t v = kV1; v <= kV5; ++v) {
    const auto channel = static_cast<Channel>(v);
    if (!present[threshold_role(channel)]) continue;
    Series s{channel, points.columns(channel, data.span.from, data.span.to, columns), {}};
    widen(data.values, extent(s));
    data.thresholds.push_back(std::move(s));
  }

  for (const Period& p : model.open_periods()) {
    if (p.to < data.span.from || p.from > data.span.to) continue;
    data.open.push_back({std::max(p.from, data.span.from), std::min(p.to, data.span.to)});
  }
  if (const auto& stop = model.stopped();
      stop && stop->time >= data.span.from && stop->time <= data.span.to)
    data.stop = stop;
  return data;
}

}  // namespace kolvar::chart
