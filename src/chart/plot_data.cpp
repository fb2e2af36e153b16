#include "plot/plot_scene.h"

#include <algorithm>
#include <array>

namespace kolvar::plot {

using record::Channel;
using record::ValueRange;

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
  return std::min<std::size_t>(threshold - record::kV1, 3);
}

PlotScene make_scene(const PlotModel& model, Span span, std::size_t columns) {
  PlotScene scene;
  scene.span = span.width() > 0 ? span : Span{span.from, span.from + 1};
  scene.columns = columns;
  // A few cycles without a point are a zoom finer than the cycle, not a gap.
  scene.bridge = std::max<platform::Millis>(30'000, 3 * model.cycle());
  if (model.empty() || columns == 0) return scene;

  const auto& points = model.points();
  std::array<bool, 4> present{};
  for (std::size_t role = 0; role < 4; ++role) {
    const auto channel = static_cast<Channel>(record::kT1 + role);
    Series s{channel, points.columns(channel, scene.span.from, scene.span.to, columns)};
    const auto range = extent(s);
    if (!range) continue;
    present[role] = true;
    widen(scene.values, range);
    scene.temperatures.push_back(std::move(s));
  }
  for (std::size_t v = record::kV1; v <= record::kV5; ++v) {
    const auto channel = static_cast<Channel>(v);
    if (!present[threshold_role(channel)]) continue;
    Series s{channel, points.columns(channel, scene.span.from, scene.span.to, columns)};
    widen(scene.values, extent(s));
    scene.thresholds.push_back(std::move(s));
  }

  for (const Period& p : model.open_periods()) {
    if (p.to < scene.span.from || p.from > scene.span.to) continue;
    scene.open.push_back({std::max(p.from, scene.span.from), std::min(p.to, scene.span.to)});
  }
  if (const auto& stop = model.stopped();
      stop && stop->time >= scene.span.from && stop->time <= scene.span.to)
    scene.stop = stop;
  return scene;
}

}  // namespace kolvar::plot
