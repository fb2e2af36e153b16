#pragma once
// What a common digital temperature sensor gives its logger: the temperature
// plus a little noise, in steps of 1/16 degree, within the sensor's range.
// A sensor that fails gives its logger what a real bus gives: nothing (a blank
// field), a failed read (garbage), the code that common loggers write for a
// sensor that fell off its bus (-127), the value a sensor holds from power-on
// until its first conversion (85), or a reading that stops changing.
#include <cstdint>
#include <random>
#include <string_view>

#include "platform/log_line_layout.h"

namespace kolvar::sim {

inline constexpr double kSensorStep = 0.0625;
// A field of the logger's line.
inline constexpr int kFieldWidth = static_cast<int>(platform::log_line::kFieldWidth);

enum class SensorFault {
  None,
  Blank,    // an empty field
  Garbage,  // kGarbage
  OffBus,   // kOffBusReading
  PowerOn,  // kPowerOnReading
  Frozen,   // the last reading before the fault, from then on
};

// The text that a failed read leaves in the field.
inline constexpr std::string_view kGarbage = "CRC ERROR";
// What a logger writes for a sensor that no longer answers on its bus.
inline constexpr double kOffBusReading = -127;
// The sensor's register after power-on, before its first conversion: a
// sensor whose supply dropped for a moment reads it once or twice.
inline constexpr double kPowerOnReading = 85;

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
// two decimals and `point` between them (whatever the locale), blanks,
// garbage, or the fault's code in place of the reading. A frozen reading is
// the caller's to hold: here it is the reading given.
void format_field(char* field, double reading, SensorFault fault, char point = '.');

}  // namespace kolvar::sim
