#pragma once
// What one line of a run record holds: the column's state after a cycle. The
// record writes it, the plot draws it, and a record read back gives it again.
#include <array>
#include <optional>
#include <string>

#include "form/takeoff.h"
#include "platform/time/clock.h"
#include "platform/time/wall_clock.h"

namespace kolvar::record {

using Takeoff = form::Takeoff;

struct Sample {
  platform::LocalTime wall{};
  platform::Millis since_start = 0;  // since "Старт системы"
  // The four role temperatures as read; empty when the role takes no part
  // or before the cycle has read a line (the window's first captions are no
  // readings).
  std::array<std::string, 4> temperatures;
  // The temperatures as numbers (form::reading_degrees of the text); none
  // where the text is empty or the role is in read error, so a plot leaves a
  // gap there.
  std::array<std::optional<double>, 4> degrees;
  std::array<int, 5> thresholds{};  // V(1..5), tenths of a degree
  Takeoff takeoff = Takeoff::None;
  std::optional<bool> valve_open;  // none before the valve was first switched
  std::optional<long long> share;  // PWM take-off share, thousandths of a percent
  std::optional<int> port;  // the data byte the pins make; none when a pin is neither 0 nor 1
  std::string news;         // the message panel's text
  // Which roles are in read error: they take part and read a value no sensor
  // shows (0, a blank, -127). Their text is kept as it came.
  std::array<bool, 4> read_error{};

  bool operator==(const Sample&) const = default;
};

}  // namespace kolvar::record
