#pragma once
// Plays a sound file on Windows through the system's own player, without
// waiting for it to finish.
#include <string>

#include "platform/services.h"

namespace kolvar::platform {

class WindowsSound : public Sound {
 public:
  // A failure only when the system refuses to start playing: a file that is
  // missing or cannot be played is found out while playing, in the
  // background, and stays silent, as on Linux. A sound still playing is cut
  // off by the next.
  void play(const std::string& file) override;
};

}  // namespace kolvar::platform
