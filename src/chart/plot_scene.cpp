#include "chart/plot_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "chart/axis_ticks.h"
#include "chart/background_run.h"
#include "chart/role_style.h"

namespace kolvar::chart {

using platform::Millis;

namespace {

constexpr int kLeft = 52, kRight = 78, kTop = 30, kBottom = 40;
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kFrame{120, 120, 120};
constexpr Colour kGrid{228, 228, 228};
constexpr Colour kOpen{60, 170, 90, 60};
constexpr Colour kStop{170, 20, 20};
// The background run's curves: thinner than today's as well as paler.
constexpr double kBehindWidth = 1.0;

// Degrees and times to pixels of the plot's area.
struct Mapping {
  Box area;
  ValueAxis axis;
  Span span;
  double x(Millis t) const {
    return area.left +
           static_cast<double>(t - span.from) * area.width / static_cast<double>(span.width());
  }
  double column_x(std::size_t c) const { return area.left + static_cast<double>(c) + 0.5; }
  double y(double v) const {
    return area.bottom() - (v - axis.low) * area.height / (axis.high - axis.low);
  }
};

// Builds the scene item by item.
struct Layout {
  Scene scene;
  const TextMeasure& measure;

  template <typename T>
  void add(T item) {
    scene.items.emplace_back(std::move(item));
  }
  void segment(Point a, Point b, Colour colour, double width = 1, Dash dash = Dash::Solid) {
    Lines l{colour, width, dash, {}, {}};
    l.add({a, b});
    add(std::move(l));
  }
  void text(std::string t, Point at, Align across, Align down, Font font, Colour colour) {
    add(Text{std::move(t), at, across, down, font, colour});
  }
};

std::string fixed(double v, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

// One curve through the columns' ranges: each column a stroke from the end
// nearer the last column to the other end, so a quiet signal stays one line.
Lines curve(const Series& s, const Mapping& m, Millis per_column, Millis bridge, Lines lines) {
  bool have = false;
  bool gap = false;  // a column since the last point marked no value
  std::size_t last_c = 0;
  double last_y = 0;
  for (std::size_t c = 0; c < s.columns.size(); ++c) {
    const auto& r = s.columns[c];
    if (!r) {
      if (c < s.gaps.size() && s.gaps[c]) gap = true;
      continue;
    }
    double a = m.y(r->min), b = m.y(r->max);
    if (have && std::abs(last_y - b) < std::abs(last_y - a)) std::swap(a, b);
    const bool join =
        have && !gap && (c - last_c == 1 || static_cast<Millis>(c - last_c) * per_column <= bridge);
    gap = false;
    const double x = m.column_x(c);
    if (!join) lines.runs.push_back(0);
    lines.points.push_back({x, a});
    // A lone point still shows.
    lines.points.push_back({a == b && !join ? x + 1.0 : x, b});
    lines.runs.back() += 2;
    have = true;
    last_c = c;
    last_y = b;
  }
  return lines;
}

std::optional<float> last_value(const Series& s) {
  for (auto it = s.columns.rbegin(); it != s.columns.rend(); ++it)
    if (*it) return (*it)->max;
  return std::nullopt;
}

// The last line of the panel's text that holds more than blanks, blanks cut.
std::string last_line(const std::string& text) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  std::size_t end = text.size();
  while (end > 0 && blank(text[end - 1])) --end;
  std::size_t begin = text.find_last_of("\r\n", end == 0 ? 0 : end - 1);
  begin = begin == std::string::npos || end == 0 ? 0 : begin + 1;
  while (begin < end && blank(text[begin])) ++begin;
  return text.substr(begin, end - begin);
}

// The valve's open periods shaded by pixel column, each column as deep as the
// share of its time the valve was open: a valve that switches every few
// cycles shows its duty on a run of hours.
void shade_open(Layout& out, const Mapping& m, const std::vector<Period>& open) {
  const int left = static_cast<int>(m.area.left);
  const int width = static_cast<int>(m.area.width);
  if (width <= 0 || open.empty()) return;
  std::vector<float> cover(static_cast<std::size_t>(width), 0.0f);
  for (const Period& o : open) {
    const double a = std::clamp(m.x(o.from) - left, 0.0, static_cast<double>(width));
    // A period seen at one sample only still shows as a sliver.
    const double b =
        std::clamp(std::max(m.x(o.to) - left, a + 0.5), 0.0, static_cast<double>(width));
    for (int c = static_cast<int>(a); c < width && c < b; ++c)
      cover[static_cast<std::size_t>(c)] +=
          static_cast<float>(std::min(b, c + 1.0) - std::max(a, static_cast<double>(c)));
  }
  for (float& c : cover) c = std::min(c, 1.0f);
  out.add(Shade{{static_cast<double>(left), m.area.top, static_cast<double>(width), m.area.height},
                kOpen,
                std::move(cover)});
}

void axes(Layout& out, const Mapping& m, Span span) {
  const Box& area = m.area;
  const Font small{11};
  for (double v : m.axis.ticks) {
    const double y = m.y(v);
    out.segment({area.left, y}, {area.right(), y}, kGrid);
    out.text(fixed(v, m.axis.step < 1 ? 1 : 0), {kLeft - 6.0, y}, Align::End, Align::Middle, small,
             kBlack);
  }
  const int most = std::max(2, static_cast<int>(area.width) / 70);
  const Millis step = time_step(span.width(), most);
  for (Millis t : time_ticks(span.from, span.to, step)) {
    const double x = m.x(t);
    out.segment({x, area.top}, {x, area.bottom()}, kGrid);
    out.segment({x, area.bottom()}, {x, area.bottom() + 4}, kFrame);
    out.text(time_label(t, step), {x, area.bottom() + 5}, Align::Middle, Align::Start, small,
             kBlack);
  }
  const Colour unit_colour{90, 90, 90};
  out.text("°C", {4, area.top - 12}, Align::Start, Align::Middle, small, unit_colour);
  out.text(step < 60'000 ? "ч:мм:сс от старта" : "ч:мм от старта",
           {area.right(), area.bottom() + 29}, Align::End, Align::Middle, small, unit_colour);
}

void thresholds(Layout& out, const Mapping& m, const PlotData& data, Millis per_column) {
  for (const Series& s : data.thresholds) {
    const Colour colour = lighter(role_colour(threshold_role(s.channel)), 115);
    out.add(curve(s, m, per_column, data.bridge,
                  {colour, 1.3, s.channel == kV5 ? Dash::Dotted : Dash::Dashed, {}, {}}));
  }
}

// Each threshold's latest value beside the area's right edge; labels close
// together are pushed apart to stay legible.
void label_thresholds(Layout& out, const Mapping& m, const PlotData& data) {
  struct Label {
    double y;
    std::string text;
    Colour colour;
  };
  std::vector<Label> labels;
  for (const Series& s : data.thresholds) {
    if (const auto v = last_value(s))
      labels.push_back({m.y(*v), "V" + std::to_string(s.channel - kV1 + 1) + " " + fixed(*v, 1),
                        darker(role_colour(threshold_role(s.channel)), 110)});
  }
  std::sort(labels.begin(), labels.end(), [](const Label& a, const Label& b) { return a.y < b.y; });
  for (std::size_t i = 1; i < labels.size(); ++i)
    labels[i].y = std::max(labels[i].y, labels[i - 1].y + 13);
  for (Label& l : labels)
    out.text(std::move(l.text), {m.area.right() + 5, l.y}, Align::Start, Align::Middle, Font{11},
             l.colour);
}

void stop_mark(Layout& out, const Mapping& m, const Stop& stop) {
  const double x = m.x(stop.time);
  out.segment({x, m.area.top}, {x, m.area.bottom()}, kStop, 2);
  std::string text = "Стоп";
  if (const std::string reason = last_line(stop.reason); !reason.empty()) text += ": " + reason;
  const Font font{12, true};
  text = elided(text, m.area.width * 0.6, font, out.measure);
  const double w = std::ceil(out.measure.width(text, font)) + 10;
  // Beside the line, on the side with room.
  const double left = x + 4 + w <= m.area.right() ? x + 4 : x - 4 - w;
  const Box box{left, m.area.top + 6, w, std::ceil(out.measure.height(font)) + 4};
  out.add(Fill{box, {255, 255, 255, 225}});
  out.text(std::move(text), box.centre(), Align::Middle, Align::Middle, font, kStop);
}

void legend(Layout& out, const PlotData& data, double width) {
  const Font font{12};
  double x = kLeft;
  const double y = 14;
  // On a narrow plot (a phone) the entries that do not fit are left out
  // whole, from the end, rather than cut at the edge.
  bool full = false;
  auto entry = [&](std::string text, auto&& swatch) {
    const double advance = out.measure.width(text, font);
    full = full || x + 22 + advance > width;
    if (full) return;
    swatch(Box{x, y - 6, 18, 12});
    x += 22;
    out.text(std::move(text), {x, y}, Align::Start, Align::Middle, font, kBlack);
    x += advance + 16;
  };
  auto line = [&](Colour colour, double w, Dash dash) {
    return [&out, colour, w, dash](const Box& r) {
      out.segment({r.left, r.centre().y}, {r.right(), r.centre().y}, colour, w, dash);
    };
  };
  for (const Series& s : data.temperatures) {
    const std::size_t role = s.channel - kT1;
    entry(role_name(role), line(role_colour(role), 2.2, Dash::Solid));
  }
  if (data.behind) entry(data.behind->label, line(faded({90, 90, 90}), 2.2, Dash::Solid));
  if (!data.thresholds.empty()) entry("пороги", line({110, 110, 110}, 1.3, Dash::Dashed));
  if (!data.open.empty())
    entry("клапан открыт", [&out](const Box& r) {
      out.add(Fill{r, {kOpen.red, kOpen.green, kOpen.blue, 110}});
    });
}

}  // namespace

Box plot_area(Size size) {
  return {static_cast<double>(kLeft), static_cast<double>(kTop),
          static_cast<double>(std::max(1, size.width - kLeft - kRight)),
          static_cast<double>(std::max(1, size.height - kTop - kBottom))};
}

Scene lay_out(const PlotData& data, Size size, const TextMeasure& measure) {
  Layout out{Scene{size, {}}, measure};
  out.add(Fill{{0, 0, static_cast<double>(size.width), static_cast<double>(size.height)}, kWhite});
  const Box area = plot_area(size);
  const auto values = data.values.value_or(ValueRange{0, 100});
  const double pad = std::max(0.5, 0.04 * (values.max - values.min));
  const int most = std::max(2, static_cast<int>(area.height) / 36);
  const Mapping m{area, value_axis(values.min - pad, values.max + pad, most), data.span};
  const Millis per_column =
      data.span.width() / static_cast<Millis>(std::max<std::size_t>(1, data.columns));

  shade_open(out, m, data.open);
  axes(out, m, data.span);
  out.add(Clip{Box{area.left, area.top - 1, area.width + 1, area.height + 2}});
  if (data.behind)
    for (const Series& s : data.behind->temperatures)
      out.add(curve(s, m, per_column, data.behind->bridge,
                    {faded(role_colour(s.channel - kT1)), kBehindWidth, {}, {}, {}}));
  thresholds(out, m, data, per_column);
  for (const Series& s : data.temperatures)
    out.add(curve(s, m, per_column, data.bridge, {role_colour(s.channel - kT1), 1.6, {}, {}, {}}));
  if (data.stop) stop_mark(out, m, *data.stop);
  out.add(Clip{});
  label_thresholds(out, m, data);
  Lines frame{kFrame, 1, Dash::Solid, {}, {}};
  frame.add({{area.left, area.top},
             {area.right(), area.top},
             {area.right(), area.bottom()},
             {area.left, area.bottom()},
             {area.left, area.top}});
  out.add(std::move(frame));
  if (data.temperatures.empty() && !(data.behind && !data.behind->temperatures.empty()))
    out.text("Нет данных", area.centre(), Align::Middle, Align::Middle, Font{14}, {130, 130, 130});
  legend(out, data, size.width);
  return std::move(out.scene);
}

Scene make_scene(const PlotModel& model, Span span, Size size, const TextMeasure& measure,
                 const BackgroundRun* behind) {
  const Box area = plot_area(size);
  return lay_out(plot_data(model, span, static_cast<std::size_t>(area.width), behind), size,
                 measure);
}

}  // namespace kolvar::chart
