#include "platform/processes/posix_launcher.h"

#include <system_error>

#include "platform/failure.h"
#include "platform/system_reason.h"

namespace kolvar::platform {

void PosixLauncher::start(const std::string& path) {
  try {
    spawner_.spawn({path}, false);
  } catch (const std::system_error& e) {
    throw Failure("Не удалось запустить программу: " + path + " (" + system_reason(e.code()) + ")");
  }
}

}  // namespace kolvar::platform
