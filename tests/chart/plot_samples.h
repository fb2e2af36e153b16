#pragma once
// Samples as the run record takes them, for the plot's tests.
#include <optional>
#include <string>

#include "form/text_number.h"
#include "record/sample.h"

namespace kolvar::chart::testing {

inline record::Sample sample_at(platform::Millis ms, std::string t1, std::string t2 = "",
                                std::optional<bool> valve = std::nullopt, int v1 = 880) {
  record::Sample s;
  s.since_start = ms;
  s.temperatures = {std::move(t1), std::move(t2), "", ""};
  for (std::size_t r = 0; r < 4; ++r) s.degrees[r] = form::reading_degrees(s.temperatures[r]);
  s.thresholds = {v1, 770, 960, 400, 350};
  s.takeoff = record::Takeoff::Liquid;
  s.valve_open = valve;
  s.news = "Дефлегматор в норме\r\n";
  return s;
}

}  // namespace kolvar::chart::testing
