#pragma once
// The two text forms in which the kernel's 1-Wire thermometer driver gives a
// reading, and what makes a reading unusable.
#include <string>
#include <string_view>

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

// The range the thermometers are made for, in millidegrees.
inline constexpr int kLowestMillidegrees = -55000;
inline constexpr int kHighestMillidegrees = 125000;
inline constexpr int kPowerOnMillidegrees = 85000;

// The `temperature` file: one whole number of millidegrees and a line end.
Reading parse_temperature_file(std::string_view text);

// The older `w1_slave` file: the check sum verdict at the end of the first
// line ("... crc=57 YES") and the reading after "t=" on the second.
Reading parse_w1_slave(std::string_view text);

// A short English description of a fault, for --list.
std::string describe(Fault fault);

}  // namespace kolvar::logger
