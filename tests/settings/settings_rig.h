#pragma once
// The controller on virtual time, run inside a fresh folder so that its
// "mytunes.log" is the test's own, and shorthand for the settings file.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "file_lines.h"
#include "ui/headless.h"

namespace kolvar::settings::testing {

using kolvar::testing::WorkingFolder;

// The content of the file that the first start writes, line by line.
inline std::vector<std::string> initial_file_lines() {
  std::vector<std::string> lines = {" 0 ",
                                    "C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log",
                                    "C:\\Program Files\\Temp. Keeper\\TempKeeper.exe",
                                    "False",
                                    "False",
                                    "True"};
  lines.insert(lines.end(), 56, "False");
  lines.insert(lines.end(), 5, "55");
  for (const char* line : {" 880 ", " 770 ", " 880 ", " 880 ", " 880 ", "6", " 2 ", "True"})
    lines.push_back(line);
  lines.insert(lines.end(), 4, "False");
  lines.push_back("False");
  lines.push_back("True");
  lines.insert(lines.end(), 3, "False");
  lines.insert(lines.end(), 10, "False");
  for (const char* line :
       {"2000", "100", "500", "1000", "5000", " 990 ", " 1 ", "4",     "1",     "1000",
        "10",   "3",   " 1 ", " 1 ",  " 1 ",  "3",     " 1 ", " 100 ", " 900 ", " 1000 "})
    lines.push_back(line);
  return lines;
}

class SettingsRig {
 public:
  SettingsRig() : rig_(std::make_unique<ui::Headless>()) {}

  ui::Headless& h() { return *rig_; }
  form::Controller& c() { return rig_->controller; }
  // A new program start in the same folder: a fresh window, then start-up.
  void restart() {
    rig_ = std::make_unique<ui::Headless>();
    rig_->controller.start();
  }

  std::filesystem::path file() const { return folder_.file("mytunes.log"); }
  std::string bytes() const { return read_bytes(file()); }
  void write_lines(const std::vector<std::string>& lines) const {
    write_bytes(file(), with_crlf(lines));
  }
  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
  WorkingFolder working_{folder_.path()};
  std::unique_ptr<ui::Headless> rig_;
};

}  // namespace kolvar::settings::testing
