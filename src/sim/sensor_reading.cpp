#include "sim/sensor_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kolvar::sim {

namespace {

constexpr double kLowest = -55;
constexpr double kHighest = 125;

}  // namespace

double SensorNoise::next() {
  // The sum of four uniform draws has variance 1/3 about 2: close enough to
  // normal for a sensor, and free of the library's distribution algorithms.
  double sum = 0;
  for (int i = 0; i < 4; ++i) sum += generator_() / 4294967296.0;
  return (sum - 2) * std::sqrt(3.0);
}

double sensor_reading(double celsius, double noise) {
  const double stepped = std::round((celsius + noise) / kSensorStep) * kSensorStep;
  return std::clamp(stepped, kLowest, kHighest);
}

void format_field(char* field, double reading, SensorFault fault, char point) {
  std::memset(field, ' ', kFieldWidth);
  if (fault == SensorFault::Blank) return;
  if (fault == SensorFault::Garbage) {
    std::memcpy(field, kGarbage.data(), std::min<std::size_t>(kGarbage.size(), kFieldWidth));
    return;
  }
  if (fault == SensorFault::OffBus) reading = kOffBusReading;
  if (fault == SensorFault::PowerOn) reading = kPowerOnReading;
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, reading, std::chars_format::fixed, 2);
  std::replace(text, result.ptr, '.', point);
  const auto length = std::min<std::size_t>(result.ptr - text, kFieldWidth);
  std::memcpy(field + kFieldWidth - length, text, length);
}

}  // namespace kolvar::sim
