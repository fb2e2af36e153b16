#include "form/column_state.h"

#include "form/form.h"
#include "form/names.h"
#include "form/text_number.h"

namespace kolvar::form {

RoleReading RoleReading::of_text(std::string text) {
  RoleReading reading;
  reading.degrees = reading_degrees(text);
  reading.value = reading.degrees.value_or(0);
  reading.text = std::move(text);
  return reading;
}

bool RoleReading::unreadable() const {
  return !degrees || *degrees == 0;
}

ColumnState::ColumnState(const Form& form) : form_(form) {
  for (RoleReading& reading : readings_) reading = RoleReading::of_text(kUnreadRoleText);
}

const RoleReading& ColumnState::role(int r) const {
  RoleReading& reading = readings_.at(static_cast<std::size_t>(r - 1));
  const std::string& caption = form_.get(ctl::T.text(), r).text();
  if (reading.text != caption) reading = RoleReading::of_text(caption);
  return reading;
}

const std::string& ColumnState::time_stamp() const {
  return form_.get(ctl::time_log2.text()).text();
}

}  // namespace kolvar::form
