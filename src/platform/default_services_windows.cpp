#include "platform/default_services.h"

#include "platform/windows_launcher.h"
#include "platform/windows_sound.h"

namespace kolvar::platform {

std::unique_ptr<Launcher> default_launcher() {
  return std::make_unique<WindowsLauncher>();
}

std::unique_ptr<Sound> default_sound() {
  return std::make_unique<WindowsSound>();
}

}  // namespace kolvar::platform
