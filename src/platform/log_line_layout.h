#pragma once
// The layout of one line of the temperature logger's log, shared by the
// controller that reads it by position and by the loggers that write it (the
// Linux logger, the simulated one). Characters count from 1:
//
//   12:00:01  88.3      77.1      51.0      30.2      20.0
//   ^1     ^8 ^10     ^18 ^20 ...                     ^50     ^58
//
// the time stamp in characters 1 to 8, sensor k (1 to 5) in characters 10k
// to 10k + 8, a blank before each sensor field. Header only, with no
// dependency, so that the logger's own library can use it too.
#include <cstddef>
#include <string_view>

namespace kolvar::platform::log_line {

// The time stamp: characters 1 to 8 (HH:MM:SS).
inline constexpr std::size_t kStampFirst = 1;
inline constexpr std::size_t kStampWidth = 8;
inline constexpr std::size_t kStampLast = kStampFirst + kStampWidth - 1;

// The sensor columns of a line.
inline constexpr int kSensors = 5;
// The characters of one sensor's field.
inline constexpr std::size_t kFieldWidth = 9;
// What stands between two fields (the stamp and sensor 1, sensor k and k + 1).
inline constexpr char kSeparator = ' ';

// The first and last character of sensor k's field.
constexpr std::size_t sensor_first(int k) {
  return kStampLast + 1 + static_cast<std::size_t>(k - 1) * (1 + kFieldWidth) + 1;
}
constexpr std::size_t sensor_last(int k) {
  return sensor_first(k) + kFieldWidth - 1;
}

// Characters after the last sensor's field mean nothing to the reader.
inline constexpr std::size_t kUsedCharacters = sensor_last(kSensors);

// A line ends in CR LF.
inline constexpr std::string_view kLineEnd = "\r\n";

static_assert(sensor_first(1) == 10 && sensor_last(1) == 18);
static_assert(sensor_first(5) == 50 && kUsedCharacters == 58);

}  // namespace kolvar::platform::log_line
