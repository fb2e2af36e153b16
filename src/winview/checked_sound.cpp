#include "winview/checked_sound.h"

#include <filesystem>
#include <system_error>

#include "desk/wave_file.h"
#include "platform/failure.h"
#include "winview/win32.h"
#include "winview/win_text.h"

namespace kolvar::winview {

void CheckedSound::play(const std::string& file) {
  auto fail = [&](const char* why) {
    throw Failure("Не удалось воспроизвести звук: " + file + " (" + why + ")");
  };
  const std::filesystem::path path(wide(file));
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) fail("файл не найден");
  if (!desk::is_wave_file(path)) fail("это не звуковой файл WAV");
  if (waveOutGetNumDevs() == 0) fail("нет устройства вывода звука");
  player_.play(file);
}

}  // namespace kolvar::winview
