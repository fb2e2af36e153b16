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
  None,      // no failure yet
  FallBack,  // (a) the second backend takes over
  Refused,   // (b) the second is there but refuses
  Missing,   // (c) the second is not there at all
};

}  // namespace kolvar::form
