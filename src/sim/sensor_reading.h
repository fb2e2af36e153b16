#pragma once
// What a common digital temperature sensor gives its logger: the temperature
// plus a little noise, in steps of 1/16 degree, within the sensor's range.
// A sensor that has dropped out gives its logger nothing (a blank field) or a
// failed read (garbage).
#include <cstdint>
#include <random>
#include <string_view>

#include "platform/log_line_layout.h"

namespace kolvar::sim {

inline constexpr double kSensorStep = 0.0625;
// A field of the logger's line.
inline constexpr int kFieldWidth = static_cast<int>(platform::log_line::kFieldWidth);

enum class SensorFault { None, Blank, Garbage };

// The text that a failed read leaves in the field.
inline constexpr std::string_view kGarbage = "CRC ERROR";

// Noise of roughly normal shape with mean 0 and spread 1, the same sequence
// for the same seed on every platform.
class SensorNoise {
 public:
  explicit SensorNoise(std::uint32_t seed) : generator_(seed) {}
  double next();

 private:
  std::mt19937 generator_;
};

// The reading for a true temperature and a noise already scaled to degrees.
double sensor_reading(double celsius, double noise);

// Writes the field's kFieldWidth characters: the reading right-aligned with
// two decimals and a point (whatever the locale), blanks, or garbage.
void format_field(char* field, double reading, SensorFault fault);

}  // namespace kolvar::sim
