#include "logger/serial_source.h"

#include <ostream>
#include <utility>

#include "logger/serial_line.h"

namespace kolvar::logger {

SerialSource::SerialSource(SerialSetting setting, std::array<std::string, kColumns> ids,
                           std::ostream& messages, SerialOpener opener)
    : port_setting_(std::move(setting)),
      ids_(std::move(ids)),
      messages_(messages),
      opener_(std::move(opener)) {}

void SerialSource::open(platform::Millis now) {
  std::string why;
  port_ = opener_(port_setting_.device, port_setting_.baud, why);
  if (!port_) {
    if (!failing_) {
      messages_ << "kolvar-logger: " << why << "; trying again every " << kSerialReopenMs / 1000
                << " s\n";
    }
    failing_ = true;
    next_open_ = now + kSerialReopenMs;
    return;
  }
  if (failing_ || first_open_) {
    messages_ << "kolvar-logger: reading " << port_setting_.device << " at " << port_setting_.baud
              << " baud\n";
  }
  first_open_ = false;
  failing_ = false;
  lines_.restart();
}

void SerialSource::take(ColumnBoard& board, platform::Millis now, int wait_ms) {
  if (!port_) {
    if (now < next_open_) return;
    open(now);
    if (!port_) return;
  }
  const std::optional<std::string> bytes = port_->read(wait_ms);
  if (!bytes) {
    messages_ << "kolvar-logger: " << port_setting_.device
              << " is gone; its columns go blank until it is "
              << "back (trying every " << kSerialReopenMs / 1000 << " s)\n";
    port_.reset();
    // Said once for the whole outage: the failed opens that follow are quiet.
    failing_ = true;
    next_open_ = now + kSerialReopenMs;
    return;
  }
  for (const std::string& line : lines_.add(*bytes)) {
    for (const ColumnReading& reading : parse_serial_line(line, ids_)) {
      board.report(reading.column, reading.millidegrees, now);
    }
  }
}

}  // namespace kolvar::logger
