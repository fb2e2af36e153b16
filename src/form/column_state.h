#pragma once
// The column's state as numbers. Each value lives in the control that shows
// it: the role temperatures in the captions of T(1..4), the log's time stamp
// in `time_log2`, and the four state fields in their tags. What is read here
// is read from those controls, so every way of writing one (a step of the
// cycle, the operator, a script's `set NAME.tag`) is seen by every reader.
// A caption is turned into numbers once per change of its text, not once per
// reader.
#include <array>
#include <optional>
#include <string>

#include "platform/time/clock.h"

namespace kolvar::form {

class Form;

// T(1) dephlegmator, T(2) packing, T(3) tank, T(4) cooler outlet.
inline constexpr int kRoleCount = 4;

// What a role's label shows before the first cycle has read a line.
inline constexpr const char* kUnreadRoleText = "55";

// One role's temperature, taken from one text.
struct RoleReading {
  // The caption of T(r): the sensor's trimmed field, or for a role that takes
  // no part the caption of its threshold.
  std::string text;
  // reading_degrees of the text: what every decision compares and the plot
  // draws; none for a text that is no reading (a blank, a word, 7.89e1, a
  // value no sensor shows).
  std::optional<double> degrees;
  // The degrees, 0 for no reading: what the comparisons take, so that a role
  // with no reading never passes a threshold.
  double value = 0;

  // The one place where a temperature's text becomes a number.
  static RoleReading of_text(std::string text);

  // No usable reading: no degrees at all, or 0 (which a sensor on a working
  // column never shows). A role that takes part and reads so is a read error.
  bool unreadable() const;

  bool operator==(const RoleReading&) const = default;
};

class ColumnState {
 public:
  explicit ColumnState(const Form& form);

  // Role r, 1 to kRoleCount, as its label shows it now. Whether a role takes
  // part stays the enabled state of its label.
  const RoleReading& role(int r) const;

  // The time stamp of the last line read (characters 1 to 8, trimmed), as
  // `time_log2` shows it; compared as text: its format is the logger's.
  const std::string& time_stamp() const;

  // Whether the cycle has taken a role's reading from a log line since the
  // program started: until then a label shows the window's first caption,
  // which is no temperature.
  bool has_reading() const { return has_reading_; }
  void mark_read() { has_reading_ = true; }

  // What the roles that take part read when one of them last moved, and
  // when: a logger that repeats its last values with fresh time stamps is
  // told by how long nothing moved. A memory of the past, not a copy of a
  // value any control shows.
  struct LastMove {
    std::array<std::optional<std::string>, kRoleCount> texts;
    platform::Millis at = 0;
    bool seen = false;
  };
  LastMove last_move;

 private:
  const Form& form_;
  // The last caption of each label turned into numbers.
  mutable std::array<RoleReading, kRoleCount> readings_;
  bool has_reading_ = false;
};

}  // namespace kolvar::form
