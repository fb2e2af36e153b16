#pragma once
// The 1-Wire thermometers under the kernel's sysfs tree, read one after the
// other just before each line (a reading takes up to 750 ms a sensor).
#include <array>
#include <filesystem>
#include <string>

#include "logger/config.h"
#include "logger/source.h"

namespace kolvar::logger {

class SysfsSource : public Source {
 public:
  // sensors[k - 1]: the sensor id for column k, or "" for none.
  SysfsSource(std::array<std::string, kColumns> sensors, std::filesystem::path root);

  // A sensor that fails this time blanks its column; the next poll reads it
  // afresh, so a sensor that comes back fills its column again.
  void before_line(ColumnBoard& board, platform::Millis now) override;

 private:
  std::array<std::string, kColumns> sensors_;
  std::filesystem::path root_;
};

}  // namespace kolvar::logger
