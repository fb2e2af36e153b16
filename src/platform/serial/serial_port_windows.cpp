#include "platform/serial/serial_port.h"

#include <windows.h>

#include <string>
#include <system_error>

#include "platform/serial/com_port_path.h"
#include "platform/wide_text.h"

namespace kolvar::platform {

namespace {

// Worded as on POSIX ("DEVICE: cannot be opened (reason)"), with what the
// operator can do about the common reasons; the system's own words for the
// rest.
std::string said(const std::string& device, const char* what, DWORD error) {
  std::string reason;
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      reason = "there is no such port; is the board plugged in?";
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      reason = "another program has it open";
      break;
    default:
      reason = std::system_category().message(static_cast<int>(error));
      while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                                 reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
  }
  return device + ": " + what + " (" + reason + ")";
}

class WindowsSerialPort final : public SerialPort {
 public:
  explicit WindowsSerialPort(HANDLE handle) : handle_(handle) {}
  ~WindowsSerialPort() override { CloseHandle(handle_); }
  WindowsSerialPort(const WindowsSerialPort&) = delete;
  WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

  std::optional<std::string> read(int wait_ms) override {
    if (!wait_for(wait_ms)) return std::nullopt;
    char buffer[512];
    DWORD n = 0;
    if (!ReadFile(handle_, buffer, sizeof buffer, &n, nullptr)) return std::nullopt;
    std::string bytes(buffer, n);
    // A read that comes back empty is a quiet line, or a USB adapter pulled
    // out whose driver fails only the status query: ask, so that the caller
    // learns of the loss now and not never.
    DWORD queued = 0;
    if (!queued_bytes(queued)) return std::nullopt;
    // The wait ended with the first byte; the rest of what has come is
    // taken at once, so a line is seldom split over two reads.
    if (!bytes.empty()) {
      if (!no_wait()) return std::nullopt;
      while (queued > 0) {
        const DWORD wanted = queued < sizeof buffer ? queued : DWORD{sizeof buffer};
        if (!ReadFile(handle_, buffer, wanted, &n, nullptr)) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, n);
        if (!queued_bytes(queued)) return std::nullopt;
      }
    }
    return bytes;
  }

 private:
  // ReadFile returns what is already there at once, else waits for the first
  // byte at most `wait_ms`: the one setting of COMMTIMEOUTS that behaves as
  // poll(2) does.
  bool wait_for(int wait_ms) {
    if (wait_ms <= 0) return no_wait();
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(wait_ms);
    return set_timeouts(timeouts);
  }

  bool no_wait() {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    return set_timeouts(timeouts);
  }

  bool set_timeouts(const COMMTIMEOUTS& timeouts) {
    // Set only on a change: most reads wait as long as the one before.
    if (set_ && timeouts.ReadIntervalTimeout == current_.ReadIntervalTimeout &&
        timeouts.ReadTotalTimeoutMultiplier == current_.ReadTotalTimeoutMultiplier &&
        timeouts.ReadTotalTimeoutConstant == current_.ReadTotalTimeoutConstant)
      return true;
    COMMTIMEOUTS copy = timeouts;
    if (!SetCommTimeouts(handle_, &copy)) return false;
    current_ = timeouts;
    set_ = true;
    return true;
  }

  // How many bytes wait in the driver; false when the port is gone. Line
  // errors (a framing error after a board's reset) are cleared and left to
  // the caller's line check.
  bool queued_bytes(DWORD& queued) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle_, &errors, &status)) return false;
    queued = status.cbInQue;
    return true;
  }

  HANDLE handle_;
  COMMTIMEOUTS current_{};
  bool set_ = false;
};

}  // namespace

std::unique_ptr<SerialPort> open_serial_port(const std::string& device, int baud,
                                             std::string& why) {
  if (baud <= 0) {
    why = device + ": cannot be set up as a serial port (" + std::to_string(baud) +
          " is not a baud rate)";
    return nullptr;
  }
  const std::wstring path = wide_from_utf8(com_port_path(device));
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    why = said(device, "cannot be opened", GetLastError());
    return nullptr;
  }
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  bool ok = GetCommState(handle, &dcb);
  if (ok) {
    dcb.BaudRate = static_cast<DWORD>(baud);
    dcb.fBinary = TRUE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.fParity = FALSE;
    dcb.StopBits = ONESTOPBIT;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // DTR and RTS raised, as a POSIX open leaves them: boards with a USB
    // interface of their own send nothing until DTR is up. Neither is used
    // for flow control.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    ok = SetCommState(handle, &dcb);
  }
  if (!ok) {
    const DWORD error = GetLastError();
    CloseHandle(handle);
    why = error == ERROR_INVALID_PARAMETER
              ? device + ": cannot be set up as a serial port (it does not take " +
                    std::to_string(baud) + " baud)"
              : said(device, "cannot be set up as a serial port", error);
    return nullptr;
  }
  // What the board printed before anyone listened is stale.
  PurgeComm(handle, PURGE_RXCLEAR);
  return std::make_unique<WindowsSerialPort>(handle);
}

}  // namespace kolvar::platform
