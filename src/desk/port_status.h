#pragma once
// The status line under the window: whether the outputs reach the column.
#include <string>

#include "form/controller.h"

namespace kolvar::desk {

// Names the port backend that writes, or says that nothing reaches the column.
std::string port_status(const form::Controller& c);

}  // namespace kolvar::desk
