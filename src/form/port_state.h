#pragma once
// What the port write remembers between writes. It has no control of its
// own, so it lives on the Controller; only the port write changes it.

namespace kolvar::form {

// Which port backend the write path uses (PortDriverState).
enum class PortDriverState {
  Unwritten,      // nothing written yet
  FirstBackend,   // the last write went through the first backend
  SecondBackend,  // the first failed; writes go through the second
  NoBackend,      // neither could be used; nothing was written
};

// What became of a failed first backend; the operator is told once per change.
enum class PortOutcome {
  None,      // the first backend has not failed
  FallBack,  // the second backend takes over and writes the byte
  Refused,   // the second is there but refuses: nothing is written
  Missing,   // the second is not there at all: nothing is written
};

}  // namespace kolvar::form
