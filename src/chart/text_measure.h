#pragma once
// How wide a text is, for laying out a scene before it is painted: each
// painter answers with its own typeface's metrics. One that cannot measure (a
// picture written for a browser to draw) takes the rough measure.
#include <string>
#include <string_view>

#include "chart/scene.h"

namespace kolvar::chart {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The advance of `text` (UTF-8) in `font`, in pixels.
  virtual double width(std::string_view text, Font font) const = 0;
  // The height of a line in `font`, in pixels.
  virtual double height(Font font) const = 0;
};

// A generous average for a sans-serif typeface: a text measured so is seldom
// wider once painted.
class RoughMeasure : public TextMeasure {
 public:
  double width(std::string_view text, Font font) const override;
  double height(Font font) const override;
};

// `text` cut at a character so that it and "…" fit in `room` pixels; the
// whole text when it fits.
std::string elided(std::string_view text, double room, Font font, const TextMeasure& measure);

}  // namespace kolvar::chart
