#pragma once
// Take-off by tank temperature: as the tank heats up towards the end of the
// run, the manual take-off percentage falls along a straight line from `k`
// at the start-of-reduction temperature t1 to 0 at the 0 % temperature t2.

namespace kolvar::core {

// The percentage for tank temperature tk; temperatures in tenths of a degree,
// t2 above t1. At or below t1 it is k; past t2 it stays at 0 instead of going
// negative, which no share can be.
double tank_line_percent(double t1, double t2, double tk, double k);

}  // namespace kolvar::core
