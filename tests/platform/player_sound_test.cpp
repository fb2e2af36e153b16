#include "platform/player_sound.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/failure.h"
#include "script_rig.h"

namespace kolvar::platform {
namespace {

using PlayerSoundTest = testing::ScriptRig;

TEST_F(PlayerSoundTest, RunsThePlayerQuietlyOnTheFile) {
  const std::filesystem::path marker = dir_ / "marker";
  PlayerSound sound(make_script(dir_ / "player", marker).string());
  sound.play("stop.wav");
  EXPECT_EQ(wait_for(marker), (dir_ / "player").string() + " -q stop.wav\n");
}

TEST_F(PlayerSoundTest, FailsWhenThePlayerCannotStart) {
  PlayerSound sound("kolvar-no-such-player");
  EXPECT_THROW(sound.play("stop.wav"), Failure);
}

}  // namespace
}  // namespace kolvar::platform
