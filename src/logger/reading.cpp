#include "logger/reading.h"

namespace kolvar::logger {

Fault plausibility(int millidegrees) {
  if (millidegrees == kPowerOnMillidegrees) return Fault::kPowerOn;
  if (millidegrees < kLowestMillidegrees || millidegrees > kHighestMillidegrees) {
    return Fault::kOutOfRange;
  }
  return Fault::kNone;
}

std::string describe(Fault fault) {
  switch (fault) {
    case Fault::kNone:
      return "ok";
    case Fault::kNoDevice:
      return "not found";
    case Fault::kUnreadable:
      return "cannot be read";
    case Fault::kGarbage:
      return "unexpected content";
    case Fault::kCrcError:
      return "CRC error";
    case Fault::kPowerOn:
      return "85.000 (power-on value, no conversion yet)";
    case Fault::kOutOfRange:
      return "out of range";
  }
  return "unknown fault";
}

}  // namespace kolvar::logger
