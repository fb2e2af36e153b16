#pragma once
// A thermometer's reading as any source brings it, and what makes one
// unusable.
#include <string>

namespace kolvar::logger {

enum class Fault {
  kNone,
  kNoDevice,    // no such sensor folder, or neither reading file in it
  kUnreadable,  // the file exists but reading it failed
  kGarbage,     // the file does not hold a reading in the expected form
  kCrcError,    // the scratchpad's check sum did not match ("crc=xx NO")
  kPowerOn,     // 85.000: the value a sensor holds before its first conversion
  kOutOfRange,  // outside what the sensors measure: a bus fault, not a temperature
};

struct Reading {
  Fault fault = Fault::kNone;
  int millidegrees = 0;  // valid only without a fault

  bool ok() const { return fault == Fault::kNone; }
};

// The range the thermometers are made for, in millidegrees. The -127 that
// the common Arduino library gives for a sensor that does not answer is
// below it.
inline constexpr int kLowestMillidegrees = -55000;
inline constexpr int kHighestMillidegrees = 125000;
inline constexpr int kPowerOnMillidegrees = 85000;

// What a value alone says of a reading, whatever brought it: kNone, kPowerOn
// (85.000, which only the sensor's recent past can confirm: see
// column_board.h) or kOutOfRange.
Fault plausibility(int millidegrees);

// A short English description of a fault, for --list.
std::string describe(Fault fault);

}  // namespace kolvar::logger
