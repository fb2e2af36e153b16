#include "logger/poller.h"

#include <utility>

namespace kolvar::logger {

Poller::Poller(std::array<std::string, kColumns> sensors, std::filesystem::path sysfs_root)
    : source_(std::move(sensors), std::move(sysfs_root)) {}

std::string Poller::poll(const TimeOfDay& now) {
  source_.before_line(board_, 0);
  return format_line(now, board_.values(0));
}

}  // namespace kolvar::logger
