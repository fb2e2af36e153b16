#include "form/column_state.h"

#include "form/text_number.h"

namespace kolvar::form {

RoleReading RoleReading::of_text(std::string text) {
  RoleReading reading;
  reading.value = numeric_value(text);
  reading.degrees = reading_degrees(text);
  reading.text = std::move(text);
  return reading;
}

ColumnState::ColumnState() {
  for (RoleReading& reading : roles_) reading = RoleReading::of_text(kUnreadRoleText);
}

}  // namespace kolvar::form
