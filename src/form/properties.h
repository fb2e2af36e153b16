#pragma once
// Properties by name, as the scenario runner and a view address them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/control.h"

namespace kolvar::form {

struct PropName {
  Prop prop;
  std::string_view name;
};

// The properties a control of this kind has, main property first, with the
// names they print under ("caption" or "text" by kind).
const std::vector<PropName>& props_of(Kind kind);

// The property called name on a control of this kind ("text" and "caption"
// both name the caption or text); nullopt when the kind has no such property.
std::optional<PropName> find_prop(Kind kind, std::string_view name);

// The value as text: booleans "True"/"False", numbers decimal, colours "R,G,B",
// list entries joined by line feeds.
std::string prop_text(const Control& control, Prop prop);

// Sets a property from its text form, as an outside influence would (no
// handler runs). Throws std::invalid_argument for a value of the wrong form and
// kolvar::Failure when the control refuses it.
void set_prop_text(Control& control, Prop prop, const std::string& value);

}  // namespace kolvar::form
