#pragma once
// A plant writing its log into a fresh folder, and the lines of the default
// wiring as bits of the port byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "sim/plant.h"
#include "support/temp_folder.h"

namespace kolvar::sim {

inline constexpr std::uint8_t kOpen = 1 << 0;     // pin 2
inline constexpr std::uint8_t kClose = 1 << 1;    // pin 3
inline constexpr std::uint8_t kStop = 1 << 2;     // pin 4
inline constexpr std::uint8_t kLiftUp = 1 << 3;   // pin 5
inline constexpr std::uint8_t kCoil = 1 << 5;     // pin 7
inline constexpr std::uint8_t kWorking = 1 << 6;  // pin 8
inline constexpr std::uint8_t kPin9 = 1 << 7;

class PlantRig : public ::testing::Test {
 protected:
  PlantRig() { settings.logger.log_path = log_path(); }

  Plant& make() {
    plant = std::make_unique<Plant>(settings);
    return *plant;
  }
  void run_seconds(double seconds) {
    plant->advance_to(plant->now() + static_cast<platform::Millis>(seconds * 1000));
  }
  // Runs until the charge boils (at most three hours).
  void run_to_boil() {
    for (int s = 0; s < 3 * 3600 && !plant->status().boiling; ++s) run_seconds(1);
    ASSERT_TRUE(plant->status().boiling);
  }
  std::string log_path() const { return folder.file("keeper.log").string(); }
  std::string log_text() const {
    std::ifstream in(log_path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  kolvar::testing::TempFolder folder;
  PlantSettings settings;
  std::unique_ptr<Plant> plant;
};

}  // namespace kolvar::sim
