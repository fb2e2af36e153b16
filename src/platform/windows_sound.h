#pragma once
// Plays a sound file on Windows through the system's own player, without
// waiting for it to finish.
#include <string>

#include "platform/services.h"

namespace kolvar::platform {

class WindowsSound : public Sound {
 public:
  // A file that cannot be found or played is a failure; a sound still
  // playing is cut off by the next.
  void play(const std::string& file) override;
};

}  // namespace kolvar::platform
