#include "plot/plot_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "plot/role_style.h"

namespace kolvar::plot {

using platform::Millis;

namespace {

constexpr int kLeft = 52, kRight = 78, kTop = 30, kBottom = 40;
const QColor kFrame(120, 120, 120);
const QColor kGrid(228, 228, 228);
const QColor kOpen(60, 170, 90, 60);
const QColor kStop(170, 20, 20);

// Degrees and times to pixels of the plot's area.
struct Mapping {
  QRectF area;
  ValueAxis axis;
  Span span;
  double x(Millis t) const {
    return area.left() +
           static_cast<double>(t - span.from) * area.width() / static_cast<double>(span.width());
  }
  double column_x(std::size_t c) const { return area.left() + static_cast<double>(c) + 0.5; }
  double y(double v) const {
    return area.bottom() - (v - axis.low) * area.height() / (axis.high - axis.low);
  }
};

QFont font_of(const QPainter& painter, int pixels, bool bold = false) {
  QFont f = painter.font();
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// One curve through the columns' ranges: each column a stroke from the end
// nearer the last column to the other end, so a quiet signal stays one line.
QPainterPath curve(const Series& s, const Mapping& m, Millis per_column, Millis bridge) {
  QPainterPath path;
  bool have = false;
  std::size_t last_c = 0;
  double last_y = 0;
  for (std::size_t c = 0; c < s.columns.size(); ++c) {
    const auto& r = s.columns[c];
    if (!r) continue;
    double a = m.y(r->min), b = m.y(r->max);
    if (have && std::abs(last_y - b) < std::abs(last_y - a)) std::swap(a, b);
    const bool join =
        have && (c - last_c == 1 || static_cast<Millis>(c - last_c) * per_column <= bridge);
    const double x = m.column_x(c);
    if (join)
      path.lineTo(x, a);
    else
      path.moveTo(x, a);
    // A lone point still shows.
    path.lineTo(a == b && !join ? x + 1.0 : x, b);
    have = true;
    last_c = c;
    last_y = b;
  }
  return path;
}

std::optional<float> last_value(const Series& s) {
  for (auto it = s.columns.rbegin(); it != s.columns.rend(); ++it)
    if (*it) return (*it)->max;
  return std::nullopt;
}

QString last_line(const std::string& text) {
  const QStringList lines =
      QString::fromStdString(text).split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
  return lines.isEmpty() ? QString() : lines.last().trimmed();
}

// The valve's open periods shaded by pixel column, each column as deep as the
// share of its time the valve was open: a valve that switches every few
// cycles shows its duty on a run of hours.
void paint_open(QPainter& p, const Mapping& m, const std::vector<Period>& open) {
  const int left = static_cast<int>(m.area.left());
  const int width = static_cast<int>(m.area.width());
  if (width <= 0) return;
  std::vector<double> cover(static_cast<std::size_t>(width), 0.0);
  for (const Period& o : open) {
    const double a = std::clamp(m.x(o.from) - left, 0.0, static_cast<double>(width));
    // A period seen at one sample only still shows as a sliver.
    const double b =
        std::clamp(std::max(m.x(o.to) - left, a + 0.5), 0.0, static_cast<double>(width));
    for (int c = static_cast<int>(a); c < width && c < b; ++c)
      cover[static_cast<std::size_t>(c)] +=
          std::min(b, c + 1.0) - std::max(a, static_cast<double>(c));
  }
  // One strip a pixel high, stretched over the area: a single blend, where a
  // fill per column would each go through the painter's thread pool.
  QImage strip(width, 1, QImage::Format_ARGB32_Premultiplied);
  for (int c = 0; c < width; ++c) {
    QColor shade = kOpen;
    shade.setAlphaF(kOpen.alphaF() * std::min(1.0, cover[static_cast<std::size_t>(c)]));
    strip.setPixel(c, 0, qPremultiply(shade.rgba()));
  }
  p.drawImage(QRectF(left, m.area.top(), width, m.area.height()), strip);
}

void paint_axes(QPainter& p, const Mapping& m, const PlotScene& scene) {
  const QRectF& area = m.area;
  p.setFont(font_of(p, 11));
  for (double v : m.axis.ticks) {
    const double y = m.y(v);
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    p.setPen(Qt::black);
    const int decimals = m.axis.step < 1 ? 1 : 0;
    p.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(v, 'f', decimals));
  }
  const int most = std::max(2, static_cast<int>(area.width()) / 70);
  const Millis step = time_step(scene.span.width(), most);
  for (Millis t : time_ticks(scene.span.from, scene.span.to, step)) {
    const double x = m.x(t);
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    p.setPen(kFrame);
    p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
    p.setPen(Qt::black);
    p.drawText(QRectF(x - 40, area.bottom() + 5, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromStdString(time_label(t, step)));
  }
  p.setPen(QColor(90, 90, 90));
  p.drawText(QRectF(4, area.top() - 20, kLeft, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("°C"));
  const QString unit =
      step < 60'000 ? QStringLiteral("ч:мм:сс от старта") : QStringLiteral("ч:мм от старта");
  p.drawText(QRectF(area.right() - 200, area.bottom() + 21, 200, 16),
             Qt::AlignRight | Qt::AlignVCenter, unit);
}

void paint_thresholds(QPainter& p, const Mapping& m, const PlotScene& scene, Millis per_column) {
  for (const Series& s : scene.thresholds) {
    const QColor colour = role_colour(threshold_role(s.channel)).lighter(115);
    p.setPen(QPen(colour, 1.3, s.channel == record::kV5 ? Qt::DotLine : Qt::DashLine));
    p.drawPath(curve(s, m, per_column, scene.bridge));
  }
}

// Each threshold's latest value beside the area's right edge; labels close
// together are pushed apart to stay legible.
void label_thresholds(QPainter& p, const Mapping& m, const PlotScene& scene) {
  struct Label {
    double y;
    QString text;
    QColor colour;
  };
  std::vector<Label> labels;
  for (const Series& s : scene.thresholds) {
    if (const auto v = last_value(s))
      labels.push_back({m.y(*v),
                        QStringLiteral("V%1 %2")
                            .arg(s.channel - record::kV1 + 1)
                            .arg(static_cast<double>(*v), 0, 'f', 1),
                        role_colour(threshold_role(s.channel)).darker(110)});
  }
  std::sort(labels.begin(), labels.end(), [](const Label& a, const Label& b) { return a.y < b.y; });
  for (std::size_t i = 1; i < labels.size(); ++i)
    labels[i].y = std::max(labels[i].y, labels[i - 1].y + 13);
  p.setFont(font_of(p, 11));
  for (const Label& l : labels) {
    p.setPen(l.colour);
    p.drawText(QRectF(m.area.right() + 5, l.y - 7, kRight - 6, 14),
               Qt::AlignLeft | Qt::AlignVCenter, l.text);
  }
}

void paint_stop(QPainter& p, const Mapping& m, const Stop& stop) {
  const double x = m.x(stop.time);
  p.setPen(QPen(kStop, 2));
  p.drawLine(QPointF(x, m.area.top()), QPointF(x, m.area.bottom()));
  QString text = QStringLiteral("Стоп");
  if (const QString reason = last_line(stop.reason); !reason.isEmpty()) text += ": " + reason;
  p.setFont(font_of(p, 12, true));
  const QFontMetrics fm(p.font());
  text = fm.elidedText(text, Qt::ElideRight, static_cast<int>(m.area.width() * 0.6));
  const int w = fm.horizontalAdvance(text) + 10;
  // Beside the line, on the side with room.
  const double left = x + 4 + w <= m.area.right() ? x + 4 : x - 4 - w;
  const QRectF box(left, m.area.top() + 6, w, fm.height() + 4);
  p.fillRect(box, QColor(255, 255, 255, 225));
  p.setPen(kStop);
  p.drawText(box, Qt::AlignCenter, text);
}

void paint_legend(QPainter& p, const PlotScene& scene, double width) {
  p.setFont(font_of(p, 12));
  const QFontMetrics fm(p.font());
  double x = kLeft;
  const double y = 14;
  auto entry = [&](const QString& text, auto&& swatch) {
    swatch(QRectF(x, y - 6, 18, 12));
    x += 22;
    p.setPen(Qt::black);
    p.drawText(QPointF(x, y + fm.ascent() / 2.0 - 1), text);
    x += fm.horizontalAdvance(text) + 16;
  };
  for (const Series& s : scene.temperatures) {
    const std::size_t role = s.channel - record::kT1;
    entry(role_name(role), [&](const QRectF& r) {
      p.setPen(QPen(role_colour(role), 2.2));
      p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    });
  }
  if (!scene.thresholds.empty())
    entry(QStringLiteral("пороги"), [&](const QRectF& r) {
      p.setPen(QPen(QColor(110, 110, 110), 1.3, Qt::DashLine));
      p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    });
  if (!scene.open.empty() && x < width)
    entry(QStringLiteral("клапан открыт"), [&](const QRectF& r) {
      p.fillRect(r, QColor(kOpen.red(), kOpen.green(), kOpen.blue(), 110));
    });
}

}  // namespace

QRect plot_area(QSize size) {
  return QRect(kLeft, kTop, std::max(1, size.width() - kLeft - kRight),
               std::max(1, size.height() - kTop - kBottom));
}

void paint_scene(QPainter& p, QSize size, const PlotScene& scene) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  const QRect area = plot_area(size);
  const auto values = scene.values.value_or(record::ValueRange{0, 100});
  const double pad = std::max(0.5, 0.04 * (values.max - values.min));
  const int most = std::max(2, area.height() / 36);
  const Mapping m{QRectF(area), value_axis(values.min - pad, values.max + pad, most), scene.span};
  const Millis per_column =
      scene.span.width() / static_cast<Millis>(std::max<std::size_t>(1, scene.columns));

  paint_open(p, m, scene.open);
  paint_axes(p, m, scene);
  p.setClipRect(area.adjusted(0, -1, 1, 1));
  paint_thresholds(p, m, scene, per_column);
  for (const Series& s : scene.temperatures) {
    // Qt strokes a pen of one pixel on a fast path and anything wider through
    // a general stroker many times slower on a busy curve: a bolder line is
    // the thin one drawn twice, half a pixel apart.
    p.setPen(QPen(role_colour(s.channel - record::kT1), 1.0));
    const QPainterPath path = curve(s, m, per_column, scene.bridge);
    p.drawPath(path);
    p.drawPath(path.translated(0.6, 0.6));
  }
  if (scene.stop) paint_stop(p, m, *scene.stop);
  p.setClipping(false);
  label_thresholds(p, m, scene);
  p.setPen(QPen(kFrame, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(area));
  if (scene.temperatures.empty()) {
    p.setFont(font_of(p, 14));
    p.setPen(QColor(130, 130, 130));
    p.drawText(area, Qt::AlignCenter, QStringLiteral("Нет данных"));
  }
  paint_legend(p, scene, size.width());
  p.restore();
}

void paint_plot(QPainter& painter, QSize size, const PlotModel& model, Span span) {
  const QRect area = plot_area(size);
  paint_scene(painter, size, make_scene(model, span, static_cast<std::size_t>(area.width())));
}

}  // namespace kolvar::plot
