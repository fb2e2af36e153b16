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

}  // namespace

std::size_t threshold_role(Channel threshold) {
  return std::min<std::size_t>(threshold - kV1, 3);
}

PlotData plot_data(const PlotModel& model, Span span, std::size_t columns) {
  PlotData data;
  data.span = span.width() > 0 ? span : Span{span.from, span.from + 1};
  data.columns = columns;
  // A few cycles without a point are a zoom finer than the cycle, not a gap.
  data.bridge = std::max<platform::Millis>(30'000, 3 * model.cycle());
  if (model.empty() || columns == 0) return data;

  const auto& points = model.points();
  std::array<bool, 4> present{};
  for (std::size_t role = 0; role < 4; ++role) {
    const auto channel = static_cast<Channel>(kT1 + role);
    Series s{channel, points.columns(channel, data.span.from, data.span.to, columns),
             points.gaps(channel, data.span.from, data.span.to, columns)};
    const auto range = extent(s);
    if (!range) continue;
    present[role] = true;
    widen(data.values, range);
    data.temperatures.push_back(std::move(s));
  }
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
