#include "platform/posix_launcher.h"

#include <system_error>

#include "platform/failure.h"

namespace kolvar::platform {

void PosixLauncher::start(const std::string& path) {
  try {
    spawner_.spawn({path}, false);
  } catch (const std::system_error& e) {
    throw Failure("Не удалось запустить программу: " + path + " (" + e.code().message() + ")");
  }
}

}  // namespace kolvar::platform
