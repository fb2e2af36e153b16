#pragma once
// The plot laid out as a scene for a picture of a given size: the valve's
// shading, the grid with its marks, the thresholds and the curves, the stop,
// the labels and the legend, in pixels; a past run behind, faded, under the
// curves. The window, a PNG, an SVG and any
// other painter draw the same scene.
#include "chart/plot_data.h"
#include "chart/plot_model.h"
#include "chart/scene.h"
#include "chart/text_measure.h"
#include "chart/time_window.h"

namespace kolvar::chart {

// Where the curves go in a picture of `size`; the rest holds the axes, the
// legend and the thresholds' labels.
Box plot_area(Size size);

// `data` (taken at one column per pixel of the plot's area) laid out.
Scene lay_out(const PlotData& data, Size size, const TextMeasure& measure);
// The scene of `span` at one column per pixel of the plot's area, with the
// past run `behind` (if any) faded under it.
Scene make_scene(const PlotModel& model, Span span, Size size, const TextMeasure& measure,
                 const BackgroundRun* behind = nullptr);

}  // namespace kolvar::chart
