#include "desk/scale_steps.h"

#include <algorithm>
#include <cmath>

namespace kolvar::desk {

namespace {

bool fits(const FirstStartFacts& f, int percent) {
  const bool wide_enough =
      f.room_width <= 0 || scaled(f.width, percent) + f.frame_width <= f.room_width;
  const bool tall_enough =
      f.room_height <= 0 || scaled(f.height, percent) + f.frame_height <= f.room_height;
  return wide_enough && tall_enough;
}

}  // namespace

bool is_scale_step(int percent) {
  return std::find(kScaleSteps.begin(), kScaleSteps.end(), percent) != kScaleSteps.end();
}

int larger_scale(int percent) {
  for (int step : kScaleSteps)
    if (step > percent) return step;
  return kScaleSteps.back();
}

int smaller_scale(int percent) {
  for (auto step = kScaleSteps.rbegin(); step != kScaleSteps.rend(); ++step)
    if (*step < percent) return *step;
  return kScaleSteps.front();
}

int scaled(int pixels, int percent) {
  return static_cast<int>(std::lround(pixels * static_cast<double>(percent) / 100.0));
}

int first_start_scale(const FirstStartFacts& facts) {
  int choice = kScaleSteps.back();
  if (facts.panel_points <= 0) {
    choice = kNormalScale;
  } else {
    for (int step : kScaleSteps) {
      // Text exactly as large as the desktop's reaches it, whatever the rounding.
      if (facts.panel_points * step / 100.0 >= facts.desktop_points - 1e-6) {
        choice = step;
        break;
      }
    }
  }
  while (choice > kNormalScale && !fits(facts, choice)) choice = smaller_scale(choice);
  return choice;
}

}  // namespace kolvar::desk
