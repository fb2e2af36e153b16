#pragma once
// Paints the plot's scene with a plain QPainter, so the same code draws the
// window, a PNG and an SVG; a picture costs the same for a run of an hour and
// of two days, as the scene is made from the decimated columns.
#include <QPainter>
#include <QRect>
#include <QSize>

#include "chart/background_run.h"
#include "chart/plot_model.h"
#include "chart/scene.h"
#include "chart/time_window.h"

namespace kolvar::plot {

// Where the curves go in a picture of `size` (chart::plot_area, in Qt's terms).
QRect plot_area(QSize size);

void paint_scene(QPainter& painter, const chart::Scene& scene);
// The scene of `span` laid out with the painter's font, and painted, with the
// past run `behind` (if any) faded under it.
void paint_plot(QPainter& painter, QSize size, const chart::PlotModel& model, chart::Span span,
                const chart::BackgroundRun* behind = nullptr);

}  // namespace kolvar::plot
