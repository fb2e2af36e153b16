#include "platform/player_sound.h"

#include <system_error>

#include "platform/failure.h"

namespace kolvar::platform {

void PlayerSound::play(const std::string& file) {
  try {
    spawner_.spawn({player_, "-q", file}, true);
  } catch (const std::system_error& e) {
    throw Failure("Не удалось воспроизвести звук: " + file + " (" + player_ + ": " +
                  e.code().message() + ")");
  }
}

}  // namespace kolvar::platform
