#pragma once
// The real program launcher and sound of this platform, for the desktop
// program; tests and the scenario runner use the recording fakes instead.
#include <memory>

#include "platform/services.h"

namespace kolvar::platform {

// Linux: posix_spawn, and the command-line player aplay.
// Windows: CreateProcess (minimized), and sndPlaySound.
std::unique_ptr<Launcher> default_launcher();
std::unique_ptr<Sound> default_sound();

}  // namespace kolvar::platform
