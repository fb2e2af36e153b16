#include "io/port_write.h"

#include <string>

#include "io/port_image.h"
#include "platform/failure.h"

// Which backend writes, and when the operator hears about it:
//
// - The first backend writes: state FirstBackend.
// - It fails and the second is usable (library and function found; on Linux
//   the I/O permission granted): outcome (a) FallBack, state SecondBackend,
//   the byte goes through the second; a failure of that write goes to the
//   caller. While the state is SecondBackend later writes go straight to the
//   second backend: a first backend that has failed once is not worth a
//   failed call on every write.
// - It fails and the second is present but refuses (function missing; on
//   Linux port I/O denied): outcome (b) Refused, state NoBackend.
// - It fails and the second is absent (no library; no port I/O on this
//   processor): outcome (c) Missing, state NoBackend.
// - In state NoBackend every write starts again from the first backend, so a
//   port that appears later (driver installed, module loaded) starts working.
//
// A message box stays until it is closed: one per write would bury the operator under boxes
// once per cycle on a machine without a port. So a box comes only when the
// state changes, or within state NoBackend when the outcome turns from (b) to
// (c) or back; the program otherwise goes on with its image.

namespace kolvar::io {

namespace {

using form::PortDriverState;
using form::PortOutcome;

constexpr const char* kFirstLine = "LPT driver error";

bool ends_with(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string outcome_text(form::Controller& c, PortOutcome outcome) {
  std::string second;
  if (outcome == PortOutcome::FallBack) {
    second = c.os.port1.name();
  } else if (outcome == PortOutcome::Refused) {
    second = c.os.port2.name();
  } else if (const std::string advice = c.os.port1.advice(); !advice.empty()) {
    second = advice;
  } else if (ends_with(c.os.port1.name(), ".dll")) {
    second = "Istall dlportio.dll or inpout32.dll";
  } else {
    second = "Load the ppdev module or run as root";
  }
  return std::string(kFirstLine) + "\r\n" + second;
}

// Shows the outcome's box unless the operator has already been told.
void report(form::Controller& c, PortDriverState state_before, PortOutcome outcome) {
  const bool changed =
      c.port_driver_state != state_before ||
      (c.port_driver_state == PortDriverState::NoBackend && c.port_outcome_shown != outcome);
  if (!changed) return;
  c.port_outcome_shown = outcome;
  c.os.message_box.show(outcome_text(c, outcome));
}

PortOutcome outcome_of(platform::PortAvailability second) {
  switch (second) {
    case platform::PortAvailability::Usable:
      return PortOutcome::FallBack;
    case platform::PortAvailability::Unusable:
      return PortOutcome::Refused;
    case platform::PortAvailability::Absent:
      return PortOutcome::Missing;
  }
  return PortOutcome::Missing;
}

}  // namespace

void LPT_set(form::Controller& c) {
  const std::uint8_t byte = port_byte(c);
  if (c.port_driver_state == PortDriverState::SecondBackend) {
    c.os.port2.write(byte);
    return;
  }
  try {
    c.os.port1.write(byte);
    c.port_driver_state = PortDriverState::FirstBackend;
    return;
  } catch (const Failure&) {
    // Answered by one of the three outcomes below.
  }
  const PortDriverState state_before = c.port_driver_state;
  const PortOutcome outcome = outcome_of(c.os.port2.availability());
  c.port_driver_state = outcome == PortOutcome::FallBack ? PortDriverState::SecondBackend
                                                         : PortDriverState::NoBackend;
  report(c, state_before, outcome);
  if (outcome == PortOutcome::FallBack) c.os.port2.write(byte);
}

}  // namespace kolvar::io
