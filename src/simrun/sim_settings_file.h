#pragma once
// The settings file "mytunes.log" of a controller on the simulated column.
#include <filesystem>
#include <string>

#include "sim/plant_settings.h"

namespace kolvar::simrun {

// What an operator sets for the simulated column (thresholds and limits in
// tenths of a degree, as the scroll bars hold them). The defaults suit the
// simulated rig (rig.h) in every take-off type and give hearts of 95 %vol
// and more at about 1.5 L/h, ended by the tails before the tank limit: the
// take-off regulated by head and packing together, the head 0.1 °C above
// the 78.1 °C its sensor shows on a closed column (higher, and the hearts
// weaken: the boiling curve is flat at the azeotrope), the packing about a
// degree above its working temperature, so it acts when the fusel oils
// climb to it as the column runs out of spirit; the product cooler's water
// on above 25 °C and a stop above 40 °C; the run ended when the pot reaches
// 96 °C, should the tails not end it first; the tank line of
// width-modulated take-off falling from a share of 30 % at the start of the
// hearts to none at the boiling point of water.
struct OperatorChoices {
  int head = 782;             // V(1), dephlegmator
  int packing = 808;          // V(2)
  int tank_end = 960;         // V(3), end of the run
  int cooler_overheat = 400;  // V(4)
  int coil_opens = 250;       // V(5)
  int tolerance = 3;          // dopusk
  int control_by = 3;         // opstop(1) dephlegmator, (2) packing, (3) both
  int interval_s = 2;         // Interval
  int emergency = 990;        // hot
  // Vapour take-off: delay and pulse in ms; the same steps are thousandths of
  // a per cent of the share in width-modulated take-off.
  std::string delay_ms = "2000";
  std::string pulse_ms = "500";
  std::string step_up = "1000";
  std::string step_down = "5000";
  // The tank line of width-modulated take-off.
  int share_falls_from = 860;   // temp_shim1_scr
  int share_zero_at = 1000;     // temp_shim2_scr
  int full_share_percent = 30;  // kalibr_kolonni_scr
};

// Writes "mytunes.log" in the working folder for a controller on a plant with
// `plant`'s settings: a controller started there creates the file from its
// initial values (or loads the one there is), is given the simulated log's
// path, the logger's program, the pins of the plant's wiring, the sensors of
// its logger's columns and `choices`, and saves through its own "Применить".
// Throws kolvar::Failure when the file cannot be written.
void write_settings_for(const sim::PlantSettings& plant, const OperatorChoices& choices = {});

struct LoggerPaths {
  std::string log;      // LogPath(1)
  std::string program;  // Path
};

// Where a settings file has the controller read the log and restart the
// logger, so that a plant can write and answer there. Throws kolvar::Failure
// when the file cannot be read or is not a settings file (fewer lines than
// it holds, or a first line that is not a number).
LoggerPaths logger_paths_in(const std::filesystem::path& settings_file);

// Settles the working folder's "mytunes.log" and the plant on each other:
// when the folder has one, the plant's logger writes and answers at the paths
// it names (a kolvar::Failure when it is not a settings file); otherwise one
// is written for the plant with `choices`.
void settle_settings_file(sim::PlantSettings& plant, const OperatorChoices& choices = {});

}  // namespace kolvar::simrun
