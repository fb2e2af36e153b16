#pragma once
// What each of the 114 lines of "mytunes.log" holds: its control and the form
// its value is written in. A line's meaning is its position alone: line 1 is
// the outside-edit flag, then every control of the settings table
// (form/setting_table.h) in its order.
#include <optional>
#include <vector>

#include "form/control.h"
#include "form/names.h"

namespace kolvar::settings {

enum class LineForm {
  Flag,    // line 1: 0 when written by this program, any other number marks an outside edit
  Text,    // a text box's text or a label's caption
  Mark,    // a menu item's check mark
  Number,  // a scroll bar's or check box's value
};

// How a setting of this kind is written.
LineForm line_form(form::Kind kind);

struct SettingLine {
  LineForm form;
  std::optional<form::Name> control;  // none for the flag line
  int index = form::kNoIndex;
};

// The 114 lines in file order; element k is line k + 1.
const std::vector<SettingLine>& setting_lines();

}  // namespace kolvar::settings
