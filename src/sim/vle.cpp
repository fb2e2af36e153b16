#include "sim/vle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "sim/mixture.h"

namespace kolvar::sim::vle {

namespace {

struct Point {
  double x;        // liquid
  double y;        // vapour
  double celsius;  // boiling temperature
};

// Measured at 101.3 kPa (Perry's Chemical Engineers' Handbook, vapour-liquid
// equilibrium of ethanol-water at 1 atm); the last point is pure ethanol.
constexpr std::array<Point, 17> kTable{{
    {0.0, 0.0, 100.0},
    {0.0190, 0.1700, 95.5},
    {0.0721, 0.3891, 89.0},
    {0.0966, 0.4375, 86.7},
    {0.1238, 0.4704, 85.3},
    {0.1661, 0.5089, 84.1},
    {0.2337, 0.5445, 82.7},
    {0.2608, 0.5580, 82.3},
    {0.3273, 0.5826, 81.5},
    {0.3965, 0.6122, 80.7},
    {0.5079, 0.6564, 79.8},
    {0.5198, 0.6599, 79.7},
    {0.5732, 0.6841, 79.3},
    {0.6763, 0.7385, 78.74},
    {0.7472, 0.7815, 78.41},
    {kAzeotrope, kAzeotrope, kAzeotropeCelsius},
    {1.0, 1.0, 78.37},
}};

// Interpolates one column of the table at x.
double along(double x, double Point::*column) {
  x = std::clamp(x, 0.0, 1.0);
  auto upper = std::upper_bound(kTable.begin() + 1, kTable.end() - 1, x,
                                [](double value, const Point& p) { return value < p.x; });
  const Point& b = *upper;
  const Point& a = *(upper - 1);
  return a.*column + (b.*column - a.*column) * (x - a.x) / (b.x - a.x);
}

double find_steepest() {
  double steepest = 0;
  for (std::size_t i = 1; i < kTable.size(); ++i) {
    const double slope = (kTable[i].y - kTable[i - 1].y) / (kTable[i].x - kTable[i - 1].x);
    steepest = std::max(steepest, slope);
  }
  return steepest;
}

// The table's points on either side of the azeotrope.
constexpr Point kBelow = kTable[kTable.size() - 3];
constexpr Point kAbove = kTable[kTable.size() - 1];

double boiling_at_standard(double x) {
  x = std::clamp(x, 0.0, 1.0);
  if (x > kBelow.x) {
    const Point& end = x < kAzeotrope ? kBelow : kAbove;
    const double share = (x - kAzeotrope) / (end.x - kAzeotrope);
    return kAzeotropeCelsius + (end.celsius - kAzeotropeCelsius) * share * share;
  }
  return along(x, &Point::celsius);
}

}  // namespace

double boiling_celsius(double x, double hpa) {
  const double celsius = boiling_at_standard(x);
  if (hpa == kStandardHpa) return celsius;
  // Clausius-Clapeyron with the latent heat of the boiling liquid: about
  // 0.026 K/hPa at the ethanol end and 0.028 K/hPa at the water end.
  constexpr double kGas = 8.314;  // J/(mol K)
  constexpr double kZero = 273.15;
  const double kelvin = celsius + kZero;
  const double shifted =
      1 / (1 / kelvin - kGas * std::log(hpa / kStandardHpa) / latent_heat(std::clamp(x, 0.0, 1.0)));
  return shifted - kZero;
}

double vapour_fraction(double x) {
  return along(x, &Point::y);
}

double steepest_slope() {
  static const double steepest = find_steepest();
  return steepest;
}

}  // namespace kolvar::sim::vle
