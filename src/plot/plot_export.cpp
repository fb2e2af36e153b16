#include "plot/plot_export.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "plot/plot_painter.h"

namespace kolvar::plot {

namespace {

QString write_whole(const QString& file, const QByteArray& bytes) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return out.errorString();
  if (out.write(bytes) != bytes.size() || !out.commit()) return out.errorString();
  return {};
}

}  // namespace

QString save_png(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file,
                 const chart::BackgroundRun* behind) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return QStringLiteral("the picture is too large");
  {
    QPainter painter(&image);
    paint_plot(painter, size, model, span, behind);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return QStringLiteral("PNG could not be encoded");
  return write_whole(file, bytes);
}

QString save_svg(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file,
                 const chart::BackgroundRun* behind) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  // Its width and height are written in millimetres; at the screen's usual
  // 96 dots per inch a browser shows it at `size`.
  svg.setResolution(96);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("Kolvar"));
  {
    QPainter painter;
    if (!painter.begin(&svg)) return QStringLiteral("SVG could not be drawn");
    paint_plot(painter, size, model, span, behind);
  }
  return write_whole(file, bytes);
}

}  // namespace kolvar::plot
