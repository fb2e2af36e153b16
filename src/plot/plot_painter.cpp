#include "plot/plot_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <variant>

#include "chart/plot_scene.h"
#include "chart/text_measure.h"

namespace kolvar::plot {

namespace {

QColor qt(chart::Colour c) {
  return QColor(c.red, c.green, c.blue, c.alpha);
}

QRectF qt(const chart::Box& b) {
  return QRectF(b.left, b.top, b.width, b.height);
}

QString qt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont font_of(const QFont& base, chart::Font f) {
  QFont font = base;
  font.setPixelSize(f.pixels);
  font.setBold(f.bold);
  return font;
}

// Texts measured in the painter's own typeface.
class QtMeasure : public chart::TextMeasure {
 public:
  explicit QtMeasure(const QFont& base) : base_(base) {}
  double width(std::string_view text, chart::Font f) const override {
    return QFontMetricsF(font_of(base_, f)).horizontalAdvance(qt(text));
  }
  double height(chart::Font f) const override { return QFontMetricsF(font_of(base_, f)).height(); }

 private:
  QFont base_;
};

class ScenePainter {
 public:
  explicit ScenePainter(QPainter& p) : p_(p), base_(p.font()) {}

  void operator()(const chart::Fill& f) { p_.fillRect(qt(f.box), qt(f.colour)); }

  // One strip a pixel high, stretched over the box: a single blend, where a
  // fill per column would each go through the painter's thread pool.
  void operator()(const chart::Shade& s) {
    const int width = static_cast<int>(s.cover.size());
    if (width == 0) return;
    QImage strip(width, 1, QImage::Format_ARGB32_Premultiplied);
    QColor shade = qt(s.colour);
    const double alpha = shade.alphaF();
    for (int c = 0; c < width; ++c) {
      shade.setAlphaF(static_cast<float>(alpha * s.cover[static_cast<std::size_t>(c)]));
      strip.setPixel(c, 0, qPremultiply(shade.rgba()));
    }
    p_.drawImage(qt(s.box), strip);
  }

  void operator()(const chart::Lines& l) {
    if (l.runs.empty()) return;
    QPainterPath path;
    std::size_t at = 0;
    for (std::size_t n : l.runs) {
      for (std::size_t i = 0; i < n; ++i) {
        const QPointF point(l.points[at + i].x, l.points[at + i].y);
        if (i == 0)
          path.moveTo(point);
        else
          path.lineTo(point);
      }
      at += n;
    }
    p_.setBrush(Qt::NoBrush);
    // Qt strokes a pen of one pixel on a fast path and anything wider through
    // a general stroker many times slower on a busy curve: a solid line up to
    // two pixels wide is the thin one drawn twice, the second the extra width
    // lower right.
    if (l.dash == chart::Dash::Solid && l.width > 1 && l.width <= 2) {
      p_.setPen(QPen(qt(l.colour), 1.0));
      p_.drawPath(path);
      p_.drawPath(path.translated(l.width - 1, l.width - 1));
      return;
    }
    const Qt::PenStyle style = l.dash == chart::Dash::Dashed   ? Qt::DashLine
                               : l.dash == chart::Dash::Dotted ? Qt::DotLine
                                                               : Qt::SolidLine;
    p_.setPen(QPen(qt(l.colour), l.width, style));
    p_.drawPath(path);
  }

  void operator()(const chart::Text& t) {
    static constexpr Qt::Alignment kAcross[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment kDown[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    p_.setFont(font_of(base_, t.font));
    p_.setPen(qt(t.colour));
    // A rectangle of no size at the anchor: the alignment places the text
    // against that point.
    p_.drawText(QRectF(t.at.x, t.at.y, 0, 0),
                static_cast<int>(kAcross[static_cast<int>(t.across)] |
                                 kDown[static_cast<int>(t.down)] | Qt::TextDontClip),
                qt(t.text));
  }

  void operator()(const chart::Clip& c) {
    if (c.box)
      p_.setClipRect(qt(*c.box));
    else
      p_.setClipping(false);
  }

 private:
  QPainter& p_;
  QFont base_;
};

}  // namespace

QRect plot_area(QSize size) {
  return qt(chart::plot_area({size.width(), size.height()})).toRect();
}

void paint_scene(QPainter& p, const chart::Scene& scene) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  ScenePainter painter(p);
  for (const chart::Item& item : scene.items) std::visit(painter, item);
  p.restore();
}

void paint_plot(QPainter& painter, QSize size, const chart::PlotModel& model, chart::Span span,
                const chart::BackgroundRun* behind) {
  const QtMeasure measure(painter.font());
  paint_scene(painter,
              chart::make_scene(model, span, {size.width(), size.height()}, measure, behind));
}

}  // namespace kolvar::plot
