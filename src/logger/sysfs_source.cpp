#include "logger/sysfs_source.h"

#include <optional>
#include <utility>

#include "logger/sysfs_sensors.h"

namespace kolvar::logger {

SysfsSource::SysfsSource(std::array<std::string, kColumns> sensors, std::filesystem::path root)
    : sensors_(std::move(sensors)), root_(std::move(root)) {}

void SysfsSource::before_line(ColumnBoard& board, platform::Millis now) {
  for (int k = 0; k < kColumns; ++k) {
    if (sensors_[k].empty()) continue;
    const Reading reading = read_sensor(root_, sensors_[k]);
    // The power-on value goes to the board, which alone knows whether the
    // column was just near it.
    const bool usable = reading.ok() || reading.fault == Fault::kPowerOn;
    board.report(k + 1, usable ? std::optional(reading.millidegrees) : std::nullopt, now);
  }
}

}  // namespace kolvar::logger
