#pragma once
// A letter of plain text for the alerts' tests.
#include <string>

#include "alerts/delivery_queue.h"

namespace kolvar::remote::testing {

inline Letter letter(std::size_t channel, const std::string& body, bool replaceable = false) {
  platform::HttpRequest r;
  r.body = body;
  return {channel, r, replaceable};
}

}  // namespace kolvar::remote::testing
