#pragma once
// The plot as a picture file: PNG through QImage, SVG through QSvgGenerator.
// The file is replaced whole or not at all.
#include <QSize>
#include <QString>

#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "chart/time_window.h"

namespace kolvar::plot {

// Each returns an empty text on success, else why the file was not written;
// `behind` (if any) is drawn faded under the run.
QString save_png(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file,
                 const chart::BackgroundRun* behind = nullptr);
QString save_svg(const chart::PlotModel& model, chart::Span span, QSize size, const QString& file,
                 const chart::BackgroundRun* behind = nullptr);

}  // namespace kolvar::plot
