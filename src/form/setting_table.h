#pragma once
// Every persisted setting, declared once: its control, kind, initial value,
// range, what "По умолчанию" restores, and what it means. In file order: row
// by row, element by element, these are lines 2 to 114 of "mytunes.log".
//
// The window (this layer) starts each setting's control from this table, and
// the settings layer above builds from it the file's lines, their reading and
// writing and the defaults command; docs/settings.md is generated from it.
// It is plain data so that it can live in the lowest layer that both the
// window and the settings file see, and constexpr so that the settings layer
// can check at compile time that it fills the file exactly.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "form/control.h"
#include "form/names.h"

namespace kolvar::form {

// The longest array of settings: the eight pin menus.
inline constexpr int kMaxSettingArray = 8;

struct Setting {
  Name control;
  // The first index of an array; kNoIndex for a single control.
  int first = kNoIndex;
  // The controls of the array, one file line each; 1 for a single control.
  int count = 1;
  // TextBox (its text), Label (its caption), Menu (the item's check mark),
  // ScrollBar or CheckBox (its value).
  Kind kind = Kind::TextBox;
  // The initial text of each control of a text box or label row.
  std::string_view text{};
  // The initial value of each control of the row in index order: a menu
  // item's check mark as 1 or 0, a scroll bar's or check box's value.
  std::array<int, kMaxSettingArray> values{};
  // A scroll bar's range: the value at its top end, then at its bottom end.
  int top = 0;
  int bottom = 0;
  // "По умолчанию" restores the initial value...
  bool restored = false;
  // ... or this one, where the two differ on purpose.
  std::optional<int> other_default{};
  // What the setting means, in one line.
  std::string_view meaning{};

  // The index of the k-th control of the row (kNoIndex for a single control).
  constexpr int index_at(int k) const { return first == kNoIndex ? kNoIndex : first + k; }
  constexpr bool holds(Name name, int index) const {
    return name == control &&
           (first == kNoIndex ? index == kNoIndex : index >= first && index < first + count);
  }
  constexpr int initial_value(int index) const {
    return values[first == kNoIndex ? 0 : index - first];
  }
  // What "По умолчанию" sets a number to (restored rows only).
  constexpr int default_value() const { return other_default.value_or(values[0]); }
};

// The two paths are where the logger lies on a Windows PC unless told otherwise.
inline constexpr std::array<Setting, 38> kSettings{{
    {.control = ctl::LogPath,
     .first = 1,
     .text = "C:\\Program Files\\Temp. Keeper\\Logs\\keeper.log",
     .meaning = "the logger's log file, whose last line gives the temperatures"},
    {.control = ctl::Path,
     .text = "C:\\Program Files\\Temp. Keeper\\TempKeeper.exe",
     .meaning = "the logger program, started again when its log stalls"},
    {.control = ctl::opstop,
     .first = 1,
     .count = 3,
     .kind = Kind::Menu,
     .values = {0, 0, 1},
     .meaning = "the take-off follows the dephlegmator (1), the packing (2) or both (3)"},
    {.control = ctl::ps,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins that open (start) the take-off valve; item k is data pin k+1"},
    {.control = ctl::pf,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins that close (stop) the take-off valve"},
    {.control = ctl::ss,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins raised for a system stop"},
    {.control = ctl::lu,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins that move the lift up"},
    {.control = ctl::ld,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins that move the lift down"},
    {.control = ctl::zm,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins of the coil's cooling valve"},
    {.control = ctl::puls,
     .first = 1,
     .count = 8,
     .kind = Kind::Menu,
     .meaning = "pins of the working signal, constant or pulsing"},
    {.control = ctl::T2,
     .first = 1,
     .count = 5,
     .kind = Kind::Label,
     .text = "55",
     .meaning = "the thresholds as shown, in degrees; a role that takes no part shows its "
                "threshold in place of its temperature"},
    {.control = ctl::V,
     .first = 1,
     .count = 5,
     .kind = Kind::ScrollBar,
     .values = {880, 770, 880, 880, 880},
     .top = 1000,
     .bottom = 200,
     .meaning = "thresholds in tenths of a degree: dephlegmator, packing, end of the run (tank), "
                "coil overheat, coil cooling opens"},
    {.control = ctl::Inter,
     .kind = Kind::Label,
     .text = "6",
     .meaning = "the cycle period as shown, in seconds"},
    {.control = ctl::Interval,
     .kind = Kind::ScrollBar,
     .values = {2},
     .top = 60,
     .bottom = 1,
     .meaning = "the cycle period in seconds"},
    {.control = ctl::da,
     .first = 1,
     .count = 5,
     .kind = Kind::Menu,
     .values = {1},
     .meaning = "which logged sensor is the dephlegmator's"},
    {.control = ctl::na,
     .first = 1,
     .count = 5,
     .kind = Kind::Menu,
     .values = {0, 1},
     .meaning = "which logged sensor is the packing's"},
    {.control = ctl::kub,
     .first = 1,
     .count = 5,
     .kind = Kind::Menu,
     .meaning = "which logged sensor is the tank's; with none the tank row takes no part"},
    {.control = ctl::kul,
     .first = 1,
     .count = 5,
     .kind = Kind::Menu,
     .meaning = "which logged sensor is the cooler outlet's; with none the cooler and coil rows "
                "take no part"},
    {.control = ctl::time3_def,
     .text = "2000",
     .restored = true,
     .meaning = "vapour take-off: the starting delay of cooling, ms"},
    {.control = ctl::peregrev_def,
     .text = "100",
     .restored = true,
     .meaning = "cycles to wait before stopping on dephlegmator or packing overheat"},
    {.control = ctl::voda_vkl_def,
     .text = "500",
     .restored = true,
     .meaning = "vapour take-off: the length of a cooling pulse, ms"},
    {.control = ctl::step_up,
     .text = "1000",
     .restored = true,
     .meaning = "step of increase: ms of delay (vapour) or thousandths of a per cent (PWM)"},
    {.control = ctl::step_d,
     .text = "5000",
     .restored = true,
     .meaning = "step of decrease, in the same units"},
    {.control = ctl::hot,
     .kind = Kind::ScrollBar,
     .values = {990},
     .top = 1000,
     .bottom = 200,
     .restored = true,
     .other_default = 999,
     .meaning = "stop when any sensor is above this, tenths of a degree"},
    {.control = ctl::Ch_log,
     .kind = Kind::CheckBox,
     .values = {1},
     .restored = true,
     .meaning =
         "when the log stalls: 0 do nothing, 1 restart the logger once, then stop the system"},
    {.control = ctl::lift_up_def, .text = "4", .restored = true, .meaning = "lift travel up, cm"},
    {.control = ctl::lift_down_def,
     .text = "1",
     .restored = true,
     .meaning = "lift travel down, cm"},
    {.control = ctl::lift_speed,
     .text = "1000",
     .restored = true,
     .meaning = "lift travel time per cm, ms"},
    {.control = ctl::net_vodi_def,
     .text = "10",
     .restored = true,
     .meaning = "cycles to wait before stopping on cooler overheat (water off)"},
    {.control = ctl::wait_def,
     .text = "3",
     .restored = true,
     .meaning = "cycles between two lift moves or two changes of the PWM share"},
    {.control = ctl::wait_ch,
     .kind = Kind::CheckBox,
     .values = {1},
     .restored = true,
     .meaning = "vapour take-off shortens its delay only every `wait_def` cycles"},
    {.control = ctl::Ch_pulse,
     .kind = Kind::CheckBox,
     .values = {1},
     .restored = true,
     .meaning = "the working signal falls after `pulse_time` in every cycle (1) or stays high (0)"},
    {.control = ctl::dopusk,
     .kind = Kind::ScrollBar,
     .values = {1},
     .top = 1000,
     .bottom = 0,
     .meaning = "temperature tolerance around a threshold, tenths of a degree"},
    {.control = ctl::time_error_def,
     .text = "3",
     .restored = true,
     .meaning = "cycles the log's time stamp may stay the same before the log counts as stalled"},
    {.control = ctl::sound_ch,
     .kind = Kind::CheckBox,
     .values = {1},
     .restored = true,
     .meaning = "play the stop sound"},
    {.control = ctl::kalibr_kolonni_scr,
     .kind = Kind::ScrollBar,
     .values = {100},
     .top = 100,
     .bottom = 0,
     .restored = true,
     .meaning = "PWM by the tank: the take-off share, in per cent, of the column's full output"},
    {.control = ctl::temp_shim1_scr,
     .kind = Kind::ScrollBar,
     .values = {900},
     .top = 1000,
     .bottom = 700,
     .restored = true,
     .meaning = "PWM by the tank: tank temperature where the share starts to fall, tenths"},
    {.control = ctl::temp_shim2_scr,
     .kind = Kind::ScrollBar,
     .values = {1000},
     .top = 1100,
     .bottom = 700,
     .restored = true,
     .meaning = "PWM by the tank: tank temperature of no take-off, tenths of a degree"},
}};

// The controls the table declares: lines 2 to 114 of the file.
constexpr int setting_control_count() {
  int n = 0;
  for (const Setting& s : kSettings) n += s.count;
  return n;
}

// The row that declares control `name` (element `index` of an array), or null.
constexpr const Setting* find_setting(Name name, int index = kNoIndex) {
  for (const Setting& s : kSettings)
    if (s.holds(name, index)) return &s;
  return nullptr;
}

// The row, or a std::logic_error: the caller's code names a setting that the
// table lacks.
inline const Setting& setting_of(Name name, int index = kNoIndex) {
  if (const Setting* s = find_setting(name, index)) return *s;
  throw std::logic_error("no setting " + std::string(name.text()) + " " + std::to_string(index));
}

}  // namespace kolvar::form
