#pragma once
// The two text forms in which the kernel's 1-Wire thermometer driver gives a
// reading.
#include <string>
#include <string_view>

#include "logger/reading.h"

namespace kolvar::logger {

// The `temperature` file: one whole number of millidegrees and a line end.
Reading parse_temperature_file(std::string_view text);

// The older `w1_slave` file: the check sum verdict at the end of the first
// line ("... crc=57 YES") and the reading after "t=" on the second.
Reading parse_w1_slave(std::string_view text);

}  // namespace kolvar::logger
