#pragma once
// Process ids, for names that carry the id of the process that made them.

namespace kolvar::platform {

long long current_process_id();

// True only when no process of that id runs any more; false when in doubt,
// so that whatever belongs to a running process is left alone.
bool process_has_ended(long long pid);

}  // namespace kolvar::platform
