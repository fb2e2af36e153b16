#include "platform/default_services.h"

#include "platform/player_sound.h"
#include "platform/posix_launcher.h"

namespace kolvar::platform {

std::unique_ptr<Launcher> default_launcher() {
  return std::make_unique<PosixLauncher>();
}

std::unique_ptr<Sound> default_sound() {
  return std::make_unique<PlayerSound>();
}

}  // namespace kolvar::platform
