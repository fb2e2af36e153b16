#include "desk/prop_change.h"

namespace kolvar::desk {

ControlChange control_change(form::Prop prop) {
  switch (prop) {
    case form::Prop::Text:
      return ControlChange::Text;
    case form::Prop::Items:
      return ControlChange::Items;
    case form::Prop::Value:
      return ControlChange::Value;
    case form::Prop::Min:
    case form::Prop::Max:
      return ControlChange::Range;
    case form::Prop::Checked:
      return ControlChange::Checked;
    case form::Prop::Enabled:
      return ControlChange::Enabled;
    case form::Prop::Visible:
      return ControlChange::Visible;
    case form::Prop::BackColor:
    case form::Prop::ForeColor:
      return ControlChange::Colours;
    case form::Prop::ToolTip:
      return ControlChange::ToolTip;
    case form::Prop::Left:
    case form::Prop::Top:
    case form::Prop::Width:
    case form::Prop::Height:
      return ControlChange::Place;
    case form::Prop::ZOrder:
      return ControlChange::Restack;
    case form::Prop::Tag:
    case form::Prop::Interval:
    case form::Prop::On:
    case form::Prop::TopMost:
      return ControlChange::None;
  }
  return ControlChange::None;
}

FormChange form_change(form::Prop prop) {
  switch (prop) {
    case form::Prop::Text:
      return FormChange::Title;
    case form::Prop::TopMost:
      return FormChange::OnTop;
    case form::Prop::BackColor:
    case form::Prop::ForeColor:
      return FormChange::Colours;
    // The form's size is the window's; where it stands is the operator's.
    case form::Prop::Width:
    case form::Prop::Height:
      return FormChange::Size;
    default:
      return FormChange::None;
  }
}

}  // namespace kolvar::desk
