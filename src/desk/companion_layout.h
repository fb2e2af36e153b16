#pragma once
// Where the windows that keep the main window company (the simulator's, the
// plot) stand: beside the main window's frame, on its screen, never under
// it while the screen has room. Plain geometry in pixels, window frames
// included, so that it is checked without a display.
#include <vector>

namespace kolvar::desk {

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};

// A rectangle; right() and bottom() are one past its last pixel.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool overlaps(const Box& other) const;
  bool inside(const Box& outer) const;
  // The smallest box that holds both.
  Box united(const Box& other) const;
  bool operator==(const Box&) const = default;
};

struct CompanionExtent {
  Extent wanted;  // the size it has, or that it was made with
  Extent least;   // smaller than this it shows too little to be of use
};

// Between two windows, so that their frames never touch.
inline constexpr int kCompanionGap = 8;

// The frame of each companion, in the order given. Each goes beside the main
// window and the companions before it: to their right, else to their left,
// else below them, else above them; the first of those places where it
// keeps its whole size wins. Where none has room for the whole window, it
// goes where it shows most while keeping at least its least size. On a
// screen too small for even that, it goes below the others, pushed up into
// the screen: its lower edge may then cover the bottom of theirs, never
// their tops.
std::vector<Box> lay_out_companions(const Box& main, const std::vector<CompanionExtent>& companions,
                                    const Box& screen, int gap = kCompanionGap);

}  // namespace kolvar::desk
