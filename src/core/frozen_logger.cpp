#include "core/frozen_logger.h"

#include "core/roles.h"

namespace kolvar::core {

bool readings_frozen(form::Controller& c) {
  form::ColumnState::LastMove& last = c.column.last_move;
  std::array<std::optional<std::string>, kRoleCount> now{};
  bool any = false;
  for (int role = 1; role <= kRoleCount; ++role) {
    if (!role_enabled(c, role)) continue;
    now[static_cast<std::size_t>(role - 1)] = c.column.role(role).text;
    any = true;
  }
  const platform::Millis time = c.form.now();
  if (!last.seen || now != last.texts) {
    last.texts = now;
    last.at = time;
    last.seen = true;
    return false;
  }
  return any && time - last.at >= kFrozenAfterMs;
}

}  // namespace kolvar::core
