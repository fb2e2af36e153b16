// The Win32 serial port against a pseudo-terminal that the test script maps
// to a COM port of wine's: serial_port_test.py drives the other end and
// reads what this program prints, one event a line:
//   open           the port is open, and a read with nothing sent gave ""
//   line TEXT      a whole line that came (CR LF taken off)
//   gone           a read told that the port is gone
// It gives up by itself after a bounded number of reads.
#include <iostream>
#include <string>

#include "check.h"
#include "platform/serial/serial_port.h"

namespace {

using kolvar::platform::open_serial_port;

// A port that does not exist is refused with a sentence naming it; COM250
// also takes the device namespace that ports from COM10 on need.
void missing_port_is_named() {
  std::string why;
  CHECK(open_serial_port("COM250", 9600, why) == nullptr);
  CHECK(why.find("COM250") != std::string::npos);
  std::cerr << "a missing port: " << why << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: serial_port_check PORT LINES\n";
    return 2;
  }
  missing_port_is_named();

  std::string why;
  auto port = open_serial_port(argv[1], 9600, why);
  CHECK(port != nullptr);
  if (!port) {
    std::cerr << why << '\n';
    return 1;
  }
  const auto quiet = port->read(100);
  CHECK(quiet.has_value() && quiet->empty());
  std::cout << "open" << std::endl;

  const int wanted = std::stoi(argv[2]);
  int lines = 0;
  std::string pending;
  bool gone = false;
  // Two minutes of reads at most, however the other end behaves.
  for (int reads = 0; reads < 1200 && !gone; ++reads) {
    const auto bytes = port->read(100);
    if (!bytes) {
      gone = true;
      break;
    }
    pending += *bytes;
    for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      std::string line = pending.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      pending.erase(0, end + 1);
      std::cout << "line " << line << std::endl;
      ++lines;
    }
  }
  CHECK(lines == wanted);
  CHECK(gone);
  if (gone) std::cout << "gone" << std::endl;
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
