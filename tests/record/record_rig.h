#pragma once
// The controller on virtual time, in a fresh folder, with its run record on
// and a logger log whose readings a test sets.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chart/record_reader.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "settings/save.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::record::testing {

namespace chr = std::chrono;

// 2024-03-05 10:00:00, the wall time at virtual time 0.
inline const platform::LocalTime kDay0 = chr::local_days{chr::year{2024} / 3 / 5} + chr::hours{10};

class RecordRig {
 public:
  explicit RecordRig(RecordOptions options = {.durable = false}) : record(c(), wall, options) {
    c().start();
    c().form.get("LogPath", 1).set_text("keeper.log");
    settings::OK_Click(c());
    log("10:00:00", "88.3");
  }

  form::Controller& c() { return h.controller; }
  void click(const char* name) { c().click(c().form.get(name)); }
  void advance(platform::Millis ms) { h.advance(ms); }

  // The logger's last line: its stamp and the dephlegmator's reading (the
  // packing reads 77.0).
  void log(const std::string& stamp, const std::string& dephlegmator) {
    std::ofstream("keeper.log", std::ios::binary | std::ios::trunc)
        << stamp << ' ' << dephlegmator << std::string(10 - dephlegmator.size(), ' ') << "77.0\r\n";
  }

  // The records in runs/, by name.
  std::vector<std::filesystem::path> files() const {
    std::vector<std::filesystem::path> result;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("runs", ec))
      result.push_back(entry.path());
    std::sort(result.begin(), result.end());
    return result;
  }

  kolvar::testing::TempFolder folder;
  kolvar::testing::WorkingFolder working{folder.path()};
  ui::Headless h;
  platform::FollowingWallClock wall{h.clock, kDay0};
  RunRecord record;
};

using kolvar::testing::read_bytes;

// Every row of a record, read back; a row that does not read fails the test
// by throwing.
inline std::vector<Sample> rows_of(const std::filesystem::path& path, bool* torn = nullptr) {
  std::ifstream in(path, std::ios::binary);
  chart::RecordReader reader(in);
  std::vector<Sample> rows;
  while (auto row = reader.next()) rows.push_back(*row);
  if (torn) *torn = reader.torn();
  return rows;
}

}  // namespace kolvar::record::testing
