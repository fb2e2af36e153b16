#pragma once
// A picture as plain drawing orders, in pixels from its top left corner: what
// any painter (a QPainter, a Windows window's GDI, an SVG page) draws without
// knowing what it shows. Items are drawn in order, each over those before.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/colour.h"

namespace kolvar::chart {

struct Point {
  double x;
  double y;
  bool operator==(const Point&) const = default;
};

struct Box {
  double left;
  double top;
  double width;
  double height;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  Point centre() const { return {left + width / 2, top + height / 2}; }
  bool operator==(const Box&) const = default;
};

struct Size {
  int width;
  int height;
  bool operator==(const Size&) const = default;
};

enum class Dash { Solid, Dashed, Dotted };

// Connected lines: `points` taken in runs of runs[k] points, each run one
// line through its points (a run of two points is one segment).
struct Lines {
  Colour colour;
  double width = 1;
  Dash dash = Dash::Solid;
  std::vector<Point> points;
  std::vector<std::size_t> runs;

  // Appends a run.
  void add(std::initializer_list<Point> run) {
    points.insert(points.end(), run);
    runs.push_back(run.size());
  }
};

struct Fill {
  Box box;
  Colour colour;
};

// A band of one-pixel columns over `box`: column c is `colour` with its
// opacity times cover[c] (0 to 1).
struct Shade {
  Box box;
  Colour colour;
  std::vector<float> cover;
};

// Where a text stands against its anchor: across, Start is its left edge;
// down, Start is its top, Middle its middle, End its bottom.
enum class Align { Start, Middle, End };

// The painter's own typeface at a size in pixels.
struct Font {
  int pixels = 12;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

struct Text {
  std::string text;  // UTF-8
  Point at;
  Align across = Align::Start;
  Align down = Align::Middle;
  Font font;
  Colour colour;
};

// What follows is drawn only within `box`; none: anywhere again.
struct Clip {
  std::optional<Box> box;
};

using Item = std::variant<Fill, Shade, Lines, Text, Clip>;

struct Scene {
  Size size{0, 0};
  std::vector<Item> items;
};

}  // namespace kolvar::chart
