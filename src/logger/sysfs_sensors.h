#pragma once
// The thermometers on the 1-Wire bus as the kernel shows them: one folder per
// device under the sysfs root (normally /sys/bus/w1/devices), named by the
// device id ("28-0000075a1b2c"). Tests point the root at a folder of their own.
#include <filesystem>
#include <string>
#include <vector>

#include "logger/w1_text.h"

namespace kolvar::logger {

inline const std::filesystem::path kDefaultSysfsRoot = "/sys/bus/w1/devices";

// Ids of the devices that offer a reading (a `temperature` or `w1_slave`
// file), sorted; bus masters and other devices are left out. A missing root
// gives none.
std::vector<std::string> find_sensors(const std::filesystem::path& root);

// One reading of one sensor. Newer kernels offer the `temperature` file and
// it is used when present; otherwise `w1_slave`. Reading either makes the
// sensor convert, which takes up to 750 ms.
Reading read_sensor(const std::filesystem::path& root, const std::string& id);

// Why this system has no such files at all (Windows has no kernel 1-Wire
// driver), as a sentence that says what to use instead; "" where it has them.
std::string sysfs_absence();

}  // namespace kolvar::logger
