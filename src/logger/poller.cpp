#include "logger/poller.h"

#include <cstdlib>
#include <utility>

#include "logger/sysfs_sensors.h"

namespace kolvar::logger {

Poller::Poller(std::array<std::string, kColumns> sensors, std::filesystem::path sysfs_root)
    : sensors_(std::move(sensors)), root_(std::move(sysfs_root)) {}

std::string Poller::poll(const TimeOfDay& now) {
  std::array<std::optional<int>, kColumns> values;
  for (int k = 0; k < kColumns; ++k) {
    if (sensors_[k].empty()) continue;
    values[k] = accepted(k, read_sensor(root_, sensors_[k]));
  }
  previous_ = values;
  return format_line(now, values);
}

std::optional<int> Poller::accepted(int column, const Reading& reading) const {
  if (reading.ok()) return reading.millidegrees;
  const std::optional<int>& before = previous_[column];
  if (reading.fault == Fault::kPowerOn && before &&
      std::abs(*before - kPowerOnMillidegrees) <= kPowerOnNeighbourhood) {
    return kPowerOnMillidegrees;
  }
  return std::nullopt;
}

}  // namespace kolvar::logger
