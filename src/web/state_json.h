#pragma once
// The page's data as JSON: what /api/state answers and /api/events pushes,
// and the settings with their meanings for /api/settings.
#include <string>

#include "web/page_snapshot.h"

namespace kolvar::remote {

// One object on one line (a push event's data must hold no line break).
std::string state_json(const PageSnapshot& snapshot);

// {"lines":[{"line":N,"control":"V(1)","value":"880","meaning":"…"}, …]}: the
// settings file's lines in order, the first (the outside-edit mark) included.
std::string settings_json(const std::vector<std::string>& lines);

}  // namespace kolvar::remote
