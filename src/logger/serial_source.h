#pragma once
// A board printing its readings on a serial port (serial_line.h). The port
// is opened at the first look and, whenever it is gone or cannot be opened
// (the board unplugged or resetting), again every few seconds; meanwhile
// its columns age into blanks on the board. Each change is said once.
#include <array>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "logger/config.h"
#include "logger/line_assembler.h"
#include "logger/source.h"
#include "logger/source_settings.h"
#include "platform/serial/serial_port.h"

namespace kolvar::logger {

inline constexpr platform::Millis kSerialReopenMs = 3000;

using SerialOpener = std::function<std::unique_ptr<platform::SerialPort>(
    const std::string& device, int baud, std::string& why)>;

class SerialSource : public Source {
 public:
  // ids[k - 1]: the ID that names column k in ID=VALUE pairs. Messages go
  // to `messages`, one line each.
  SerialSource(SerialSetting setting, std::array<std::string, kColumns> ids, std::ostream& messages,
               SerialOpener opener = platform::open_serial_port);

  void take(ColumnBoard& board, platform::Millis now, int wait_ms) override;
  bool listens() const override { return true; }
  bool waits() const override { return port_ != nullptr; }

 private:
  void open(platform::Millis now);

  SerialSetting port_setting_;
  std::array<std::string, kColumns> ids_;
  std::ostream& messages_;
  SerialOpener opener_;
  std::unique_ptr<platform::SerialPort> port_;
  LineAssembler lines_;
  platform::Millis next_open_ = 0;
  bool first_open_ = true;
  bool failing_ = false;  // the last open failed, and said so
};

}  // namespace kolvar::logger
