#pragma once
// Paints the plot's scene with GDI, as the Qt painter does with a QPainter:
// the same drawing orders, so the Windows plot shows exactly what the Linux
// one does. A scene is laid out in the window's logical pixels and painted
// at the monitor's scale, so the plot keeps its proportions at any DPI.
#include <map>
#include <string_view>

#include "chart/scene.h"
#include "chart/text_measure.h"
#include "winview/win32.h"

namespace kolvar::winview {

// The plot's typeface at `pixels` device pixels: the system's message font's face.
HFONT create_plot_font(chart::Font font, double scale);

// Texts measured with GDI on `dc`, in the typeface that paint_scene uses, at
// logical pixels (a font of the scene's size, unscaled).
class GdiMeasure final : public chart::TextMeasure {
 public:
  explicit GdiMeasure(HDC dc) : dc_(dc) {}
  GdiMeasure(const GdiMeasure&) = delete;
  GdiMeasure& operator=(const GdiMeasure&) = delete;
  ~GdiMeasure() override;

  double width(std::string_view text, chart::Font font) const override;
  double height(chart::Font font) const override;

 private:
  HFONT font(chart::Font f) const;

  HDC dc_;
  mutable std::map<std::pair<int, bool>, HFONT> fonts_;
};

// Paints `scene` on `dc` with every coordinate, width and font size times
// `scale` (device pixels per logical pixel). The DC's clipping, pen, brush,
// font and colours are as they were afterwards.
void paint_scene(HDC dc, const chart::Scene& scene, double scale = 1);

// A bitmap of 32-bit pixels, rows from the top, whose pixels `bits` points
// to; null when the system gives none.
HBITMAP pixel_bitmap(HDC dc, int width, int height, void** bits);

}  // namespace kolvar::winview
