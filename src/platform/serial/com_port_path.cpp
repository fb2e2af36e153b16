#include "platform/serial/com_port_path.h"

namespace kolvar::platform {

namespace {

bool is_com_name(const std::string& device) {
  if (device.size() < 4 || device.size() > 6) return false;
  for (std::size_t i = 0; i < 3; ++i) {
    if ((device[i] | 0x20) != "com"[i]) return false;
  }
  // COM0 does not exist; a number with a leading zero names no port either.
  if (device[3] < '1' || device[3] > '9') return false;
  for (std::size_t i = 4; i < device.size(); ++i) {
    if (device[i] < '0' || device[i] > '9') return false;
  }
  return true;
}

}  // namespace

std::string com_port_path(const std::string& device) {
  if (!is_com_name(device)) return device;
  return "\\\\.\\COM" + device.substr(3);
}

}  // namespace kolvar::platform
