#pragma once
// Samples as the run record takes them, for the plot's tests.
#include <optional>
#include <string>

#include "record/sample.h"

namespace kolvar::plot::testing {

inline record::Sample sample_at(platform::Millis ms, std::string t1, std::string t2 = "",
                                std::optional<bool> valve = std::nullopt, int v1 = 880) {
  record::Sample s;
  s.since_start = ms;
  s.temperatures = {std::move(t1), std::move(t2), "", ""};
  s.thresholds = {v1, 770, 960, 400, 350};
  s.takeoff = record::Takeoff::Liquid;
  s.valve_open = valve;
  s.news = "Дефлегматор в норме\r\n";
  return s;
}

}  // namespace kolvar::plot::testing
