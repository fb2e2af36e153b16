#pragma once
// Paints the plot with a plain QPainter, straight from the decimated columns,
// so a picture costs the same for a run of an hour and of two days, and the
// same code draws the window, a PNG and an SVG.
#include <QPainter>
#include <QRect>
#include <QSize>

#include "plot/plot_model.h"
#include "plot/plot_scene.h"
#include "plot/time_window.h"

namespace kolvar::plot {

// Where the curves go in a picture of `size`; the rest holds the axes, the
// legend and the thresholds' labels.
QRect plot_area(QSize size);

void paint_scene(QPainter& painter, QSize size, const PlotScene& scene);
// The scene of `span` at one column per pixel of the plot's area, painted.
void paint_plot(QPainter& painter, QSize size, const PlotModel& model, Span span);

}  // namespace kolvar::plot
