#pragma once
// The plot as a picture file: PNG through QImage, SVG through QSvgGenerator.
// The file is replaced whole or not at all.
#include <QSize>
#include <QString>

#include "chart/plot_model.h"
#include "chart/time_window.h"

namespace kolvar::plot {

// Each returns an empty text on success, else why the file was not written.
QString save_png(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file);
QString save_svg(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file);

}  // namespace kolvar::plot
