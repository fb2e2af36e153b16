#pragma once
// The window's scale, in percent of the form's own size: the steps the
// operator moves through and the choice at a first start. No toolkit here,
// only the arithmetic.
#include <array>

namespace kolvar::desk {

// Steps of a quarter up to twice the form's size, then of a half: fine where
// a screen has little room to spare, round at 200 % (the documentation's
// pictures). Two steps up from 100 % make the window 1.5 times as wide.
inline constexpr std::array<int, 7> kScaleSteps{100, 125, 150, 175, 200, 250, 300};
inline constexpr int kNormalScale = kScaleSteps.front();

// The panels were drawn for a small, narrow system font: their text at
// 100 % is of 8 points, in a face narrow enough to keep their captions
// within their controls.
inline constexpr int kPanelPoints = 8;

bool is_scale_step(int percent);
// The next step up or down; the largest and the smallest steps stay.
int larger_scale(int percent);
int smaller_scale(int percent);

// A length in pixels at the form's own size, at percent, rounded to the nearest.
int scaled(int pixels, int percent);

// What a first start looks at: the point sizes of the desktop's text and of
// the window's own text at 100 %; the window's size at 100 % (without the
// window manager's frame), the frame, and the screen's room for windows (0
// where unknown).
struct FirstStartFacts {
  double desktop_points = 0;
  double panel_points = 0;
  int width = 0;
  int height = 0;
  int frame_width = 0;
  int frame_height = 0;
  int room_width = 0;
  int room_height = 0;
};

// The smallest step at which the window's text is at least as large as the
// desktop's, less the steps at which the window would not fit the screen's
// room; never below 100 %.
int first_start_scale(const FirstStartFacts& facts);

}  // namespace kolvar::desk
