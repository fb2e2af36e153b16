#include "desk/companion_layout.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kolvar::desk {

bool Box::overlaps(const Box& other) const {
  return left < other.right() && other.left < right() && top < other.bottom() &&
         other.top < bottom();
}

bool Box::inside(const Box& outer) const {
  return left >= outer.left && top >= outer.top && right() <= outer.right() &&
         bottom() <= outer.bottom();
}

Box Box::united(const Box& other) const {
  const int l = std::min(left, other.left);
  const int t = std::min(top, other.top);
  return {l, t, std::max(right(), other.right()) - l, std::max(bottom(), other.bottom()) - t};
}

namespace {

// `from` moved as little as needed to keep [from, from + length) within
// [low, high); the low end wins when the span is too short.
int clamped(int from, int length, int low, int high) {
  return std::max(low, std::min(from, high - length));
}

// A free stretch of the screen beside the windows taken so far, and where a
// window of a given size stands in it.
struct Strip {
  Box room;
  // Which end of the strip the window keeps to: the one that touches the
  // windows taken.
  bool to_right_end = false;
  bool to_bottom_end = false;
};

std::array<Strip, 4> strips_around(const Box& taken, const Box& screen, int gap) {
  const int right_from = taken.right() + gap;
  const int left_to = taken.left - gap;
  const int below_from = taken.bottom() + gap;
  const int above_to = taken.top - gap;
  return {{
      {{right_from, screen.top, screen.right() - right_from, screen.height}, false, false},
      {{screen.left, screen.top, left_to - screen.left, screen.height}, true, false},
      {{screen.left, below_from, screen.width, screen.bottom() - below_from}, false, false},
      {{screen.left, screen.top, screen.width, above_to - screen.top}, false, true},
  }};
}

// The window in the strip: as large as it wants within the strip, beside the
// windows taken, level with their top (or their left edge above and below).
Box fit(const Strip& strip, const Extent& wanted, const Box& taken) {
  const Box& r = strip.room;
  const int width = std::clamp(wanted.width, 0, std::max(0, r.width));
  const int height = std::clamp(wanted.height, 0, std::max(0, r.height));
  const int left =
      strip.to_right_end ? r.right() - width : clamped(taken.left, width, r.left, r.right());
  const int top =
      strip.to_bottom_end ? r.bottom() - height : clamped(taken.top, height, r.top, r.bottom());
  return {left, top, width, height};
}

Box place_one(const Box& taken, const CompanionExtent& c, const Box& screen, int gap) {
  const Extent least{std::min(c.least.width, c.wanted.width),
                     std::min(c.least.height, c.wanted.height)};
  std::optional<Box> largest;
  for (const Strip& strip : strips_around(taken, screen, gap)) {
    const Box box = fit(strip, c.wanted, taken);
    if (box.width == c.wanted.width && box.height == c.wanted.height) return box;
    const bool usable = box.width >= least.width && box.height >= least.height;
    if (usable && (!largest || box.width * box.height > largest->width * largest->height))
      largest = box;
  }
  if (largest) return *largest;
  const int width = std::min(c.wanted.width, screen.width);
  const int height = std::min(c.wanted.height, screen.height);
  return {clamped(taken.left, width, screen.left, screen.right()),
          clamped(taken.bottom() + gap, height, screen.top, screen.bottom()), width, height};
}

}  // namespace

std::vector<Box> lay_out_companions(const Box& main, const std::vector<CompanionExtent>& companions,
                                    const Box& screen, int gap) {
  std::vector<Box> placed;
  placed.reserve(companions.size());
  Box taken = main;
  for (const CompanionExtent& c : companions) {
    placed.push_back(place_one(taken, c, screen, gap));
    taken = taken.united(placed.back());
  }
  return placed;
}

}  // namespace kolvar::desk
