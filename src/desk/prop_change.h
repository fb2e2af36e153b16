#pragma once
// What a change of one of the model's properties asks of a window, whichever
// toolkit shows it: each binder turns these few kinds of change into its own
// calls, and the model's properties are sorted into them once, here.
#include <array>

#include "form/control.h"

namespace kolvar::desk {

// Of a control's window.
enum class ControlChange {
  None,  // a property no window shows (a tag, a timer's)
  Text,
  Items,
  Value,
  Range,  // the scroll bar's; its position within shows again
  Checked,
  Enabled,
  Visible,
  Colours,
  ToolTip,
  Place,    // position or size
  Restack,  // its place among its siblings, front to back
};
ControlChange control_change(form::Prop prop);

// Of the window itself, for the form's own properties.
enum class FormChange { None, Title, OnTop, Colours, Size };
FormChange form_change(form::Prop prop);

// What a control's new window is shown with, one property of each change:
// its items before its text, since a list selects its text among them, and
// its range before its value.
inline constexpr std::array<form::Prop, 10> kShownAtFirst{
    form::Prop::Items,   form::Prop::Text,    form::Prop::Min,     form::Prop::Value,
    form::Prop::Checked, form::Prop::Enabled, form::Prop::Visible, form::Prop::BackColor,
    form::Prop::ToolTip, form::Prop::Left};

}  // namespace kolvar::desk
