#include "desk/role_look.h"

#include "core/roles.h"
#include "form/names.h"

namespace kolvar::desk {

namespace {

bool is_role_label(const form::Control& control) {
  return control.name() == ctl::T.text() && control.index() >= 1 &&
         control.index() <= core::kRoleCount;
}

}  // namespace

bool shows_read_error(const form::Controller& c, const form::Control& control) {
  return is_role_label(control) && core::role_read_error(c, control.index());
}

Colours shown_colours(const form::Controller& c, const form::Control& control) {
  if (shows_read_error(c, control)) return {kReadErrorBack, kReadErrorFore};
  return {control.back_color(), control.fore_color()};
}

bool changes_look(const form::Control& control, form::Prop prop) {
  switch (prop) {
    case form::Prop::BackColor:
    case form::Prop::ForeColor:
      return true;
    case form::Prop::Text:
    case form::Prop::Enabled:
      return is_role_label(control);
    default:
      return false;
  }
}

}  // namespace kolvar::desk
