#include "logger/sysfs_sensors.h"

namespace kolvar::logger {

// Windows has no kernel 1-Wire driver to show sensors as files: there are
// none to find, and a sensor named is one that is not there. The program
// says so rather than write blank lines (see sysfs_absence's callers).
std::vector<std::string> find_sensors(const std::filesystem::path&) {
  return {};
}

Reading read_sensor(const std::filesystem::path&, const std::string&) {
  return {Fault::kNoDevice, 0};
}

std::string sysfs_absence() {
  return "Windows has no 1-Wire sensor files to read: name a board on a serial port "
         "(--serial COM3, or a 'serial COM3' line in the configuration) or an MQTT broker "
         "(--mqtt URL with --column N=TOPIC, or 'mqtt' and 'column' lines)";
}

}  // namespace kolvar::logger
