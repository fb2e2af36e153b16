#pragma once
// The stop sound through the system's player, asynchronous. sndPlaySound
// reports success at once and finds a missing or foreign file only while
// playing, where nobody hears of it; so the file, and a device to play on,
// are checked first: a Failure means no sound will be heard.
#include <string>

#include "platform/sound/windows_sound.h"

namespace kolvar::winview {

class CheckedSound : public platform::Sound {
 public:
  void play(const std::string& file) override;

 private:
  platform::WindowsSound player_;
};

}  // namespace kolvar::winview
