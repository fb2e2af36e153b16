#pragma once
// The column's state as numbers. The control cycle fills the role
// temperatures once per cycle from the logger's line and writes the labels
// from them; everything that compares a temperature or draws it reads the
// numbers here, so no caption is ever turned back into a number. The values
// that the window shows in control tags live here too, typed; the
// controller's setters keep their tags showing the same text as ever.
#include <array>
#include <optional>
#include <string>

namespace kolvar::form {

// T(1) dephlegmator, T(2) packing, T(3) tank, T(4) cooler outlet.
inline constexpr int kRoleCount = 4;

// What a role's label shows before the first cycle has read a line.
inline constexpr const char* kUnreadRoleText = "55";

// One role's temperature, taken from one text.
struct RoleReading {
  // The caption of T(r): the sensor's trimmed field, or for a role that takes
  // no part the caption of its threshold.
  std::string text;
  // numeric_value of the text: what every decision compares (0 for a blank
  // or unreadable field, which is a read error of a role that takes part).
  double value = 0;
  // reading_degrees of the text: what the plot draws (none for a blank).
  std::optional<double> degrees;

  // The one place where a temperature's text becomes a number.
  static RoleReading of_text(std::string text);

  bool operator==(const RoleReading&) const = default;
};

class ColumnState {
 public:
  ColumnState();

  // Role r, 1 to kRoleCount. Whether a role takes part stays the enabled
  // state of its label: the operator's menus and start-up set that.
  const RoleReading& role(int r) const { return roles_.at(static_cast<std::size_t>(r - 1)); }
  void set_role(int r, std::string text) {
    roles_.at(static_cast<std::size_t>(r - 1)) = RoleReading::of_text(std::move(text));
  }

  // The time stamp of the last line read (characters 1 to 8, trimmed),
  // compared as text: its format is the logger's business.
  const std::string& time_stamp() const { return time_stamp_; }
  void set_time_stamp(std::string stamp) { time_stamp_ = std::move(stamp); }

  // The values shown in control tags; the Controller's setters change them
  // together with their tags.
  const std::string& stop_reason() const { return stop_reason_; }
  bool restart_mark() const { return restart_mark_; }
  long long minute_count() const { return minute_count_; }
  bool settings_loaded() const { return settings_loaded_; }

 private:
  friend class Controller;

  std::array<RoleReading, kRoleCount> roles_;
  std::string time_stamp_;
  // As the window's tags start: News "1", Ch_log "0", Timer3 "0", V(1) "".
  std::string stop_reason_ = "1";
  bool restart_mark_ = false;
  long long minute_count_ = 0;
  bool settings_loaded_ = false;
};

}  // namespace kolvar::form
