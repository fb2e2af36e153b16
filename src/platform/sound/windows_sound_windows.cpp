#include "platform/sound/windows_sound.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <mmsystem.h>

#include "platform/failure.h"
#include "platform/wide_text.h"

namespace kolvar::platform {

void WindowsSound::play(const std::string& file) {
  // Without SND_NODEFAULT a missing file would play the system's default
  // sound instead.
  if (!sndPlaySoundW(wide_from_utf8(file).c_str(), SND_ASYNC | SND_NODEFAULT)) {
    throw Failure("Не удалось воспроизвести звук: " + file);
  }
}

}  // namespace kolvar::platform
