#pragma once
// Plays a sound file on Linux through a command-line player, without waiting
// for it to finish.
#include <string>
#include <utility>

#include "platform/detached_spawn.h"
#include "platform/services.h"

namespace kolvar::platform {

class PlayerSound : public Sound {
 public:
  // player is looked up on PATH unless it holds a slash.
  explicit PlayerSound(std::string player = "aplay") : player_(std::move(player)) {}

  // Runs "player -q file". Only a player that cannot be started is a
  // failure; a file the player cannot play is its own business, as the sound
  // is not waited for.
  void play(const std::string& file) override;

 private:
  std::string player_;
  DetachedSpawner spawner_;
};

}  // namespace kolvar::platform
