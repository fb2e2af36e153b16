#pragma once
// Windows reaches COM1 to COM9 by their bare names, but COM10 and above only
// through the device namespace; the namespace works for every number, so
// every COM name goes through it.
#include <string>

namespace kolvar::platform {

// "COM3" or "com12" as "\\.\COM3", "\\.\COM12"; any other name (already in
// the device namespace, or a device of another kind) as it is.
std::string com_port_path(const std::string& device);

}  // namespace kolvar::platform
