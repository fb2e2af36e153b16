#pragma once
// A stand-in for /sys/bus/w1/devices in a fresh folder: one folder per
// sensor holding the file the kernel would show.
#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace kolvar::logger::testing {

class FakeSysfs {
 public:
  const std::filesystem::path& root() const { return folder_.path(); }

  void file(const std::string& id, const std::string& name, const std::string& text) {
    std::filesystem::create_directories(root() / id);
    std::ofstream(root() / id / name, std::ios::binary | std::ios::trunc) << text;
  }

  // Newer kernels: millidegrees and a line end.
  void temperature(const std::string& id, int millidegrees) {
    file(id, "temperature", std::to_string(millidegrees) + "\n");
  }

  // Older kernels: the check sum verdict, then the reading.
  void w1_slave(const std::string& id, int millidegrees, bool crc_ok = true) {
    file(id, "w1_slave",
         std::string("72 01 4b 46 7f ff 0e 10 57 : crc=57 ") + (crc_ok ? "YES" : "NO") +
             "\n72 01 4b 46 7f ff 0e 10 57 t=" + std::to_string(millidegrees) + "\n");
  }

  void remove(const std::string& id) { std::filesystem::remove_all(root() / id); }

 private:
  kolvar::testing::TempFolder folder_;
};

}  // namespace kolvar::logger::testing
