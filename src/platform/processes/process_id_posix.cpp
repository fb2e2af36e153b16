#include "platform/processes/process_id.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace kolvar::platform {

long long current_process_id() {
  return static_cast<long long>(::getpid());
}

bool process_has_ended(long long pid) {
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace kolvar::platform
