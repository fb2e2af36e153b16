#pragma once
// What tests read back from the controller and its recording fakes, the
// same way in every rig.
#include <string>
#include <vector>

#include "form/controller.h"
#include "platform/fakes.h"

namespace kolvar::testing {

// The port image as pin(0)..pin(7), e.g. "10000000".
inline std::string pin_texts(const form::Controller& c) {
  std::string s;
  for (int k = 0; k < 8; ++k) s += c.c(ctl::pin, k).text();
  return s;
}

// The texts of recorded events (message boxes, sounds, launches), oldest first.
inline std::vector<std::string> texts(const std::vector<platform::Recorded>& events) {
  std::vector<std::string> out;
  for (const auto& e : events) out.push_back(e.text);
  return out;
}

}  // namespace kolvar::testing
