#pragma once
// The CSV trace of a simulated run: one row per control cycle, written as the
// run goes, so memory stays the same however long the run.
#include <filesystem>
#include <fstream>

#include "form/controller.h"
#include "sim/plant_status.h"

namespace kolvar::simrun {

class Trace {
 public:
  // Creates the file and writes the header; throws kolvar::Failure when it
  // cannot be created.
  explicit Trace(const std::filesystem::path& path);

  // The row of the cycle that ran at `status.time`: the plant's four true
  // temperatures, the controller's thresholds, the byte on the port's lines,
  // valve, lift, the take-off so far, and the vapour delay and the share of
  // width-modulated take-off as the controller holds them.
  void row(const form::Controller& c, const sim::PlantStatus& status);

 private:
  std::ofstream out_;
};

}  // namespace kolvar::simrun
